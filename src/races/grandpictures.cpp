#include "grandpictures.h"

#include "common/twips.h"
#include "racepictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// A birch fence: a dark spruce top over a white take-off board.
void paintFence(QPainter &p, const QRectF &area)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 75, 30));
    QPainterPath brush;
    brush.moveTo(area.left(), area.bottom());
    const int tufts = std::max(3, static_cast<int>(area.height() / 6));
    for (int i = 0; i <= tufts; ++i) {
        const double y = area.bottom() - area.height() * i / tufts;
        brush.lineTo(area.left() + (i % 2 == 0 ? 0.0 : -3.0), y);
    }
    brush.lineTo(area.right() + 3, area.top());
    brush.lineTo(area.right(), area.bottom());
    brush.closeSubpath();
    p.drawPath(brush);
    p.setBrush(QColor(20, 55, 22));
    p.drawRect(
        QRectF(area.left() + area.width() * 0.55, area.top(), area.width() * 0.45, area.height()));
    p.setBrush(QColor(245, 245, 240));
    p.drawRect(
        QRectF(area.left() - 4, area.bottom() - area.height() * 0.28, 4, area.height() * 0.28));
}

} // namespace

GrandTrackPicture::GrandTrackPicture(QWidget *parent) : QFrame(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

GrandTrackPicture::~GrandTrackPicture() = default;

void GrandTrackPicture::paintEvent(QPaintEvent *)
{
    if (m_cache.size() != size()) {
        m_cache = QPixmap(size());
        QPainter p(&m_cache);
        // Mown stripes across the whole course.
        const int band = 28;
        for (int x = 0, i = 0; x < width(); x += band, ++i)
            p.fillRect(QRect(x, 0, band, height()),
                       i % 2 == 0 ? QColor(48, 140, 50) : QColor(58, 154, 58));

        p.setRenderHint(QPainter::Antialiasing);
        for (int k = 1; k <= 5; ++k) {
            const int top = twipsToPixels(GrandLayout::laneTop(k));
            const int bottom = twipsToPixels(GrandLayout::laneTop(k) + GrandLayout::HorseHeight);
            // A lighter strip where the horses run, the white rail below it.
            p.fillRect(QRect(0, top, width(), bottom - top), QColor(70, 168, 66, 90));
            p.fillRect(QRect(0, bottom + 2, width(), 3), QColor(250, 250, 250));
            for (const int fence : GrandLayout::Fences) {
                const double x = twipsToPixels(fence);
                paintFence(p, QRectF(x, top + (bottom - top) * 0.35, 12, (bottom - top) * 0.62));
            }
        }
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(QColor(85, 50, 20), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(1, 1, width() - 2, height() - 2));
    }
    QPainter(this).drawPixmap(0, 0, m_cache);
}

GrandEmblem::GrandEmblem(QWidget *parent) : QWidget(parent)
{}

GrandEmblem::~GrandEmblem() = default;

void GrandEmblem::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(120, 185, 240));
    sky.setColorAt(1, QColor(200, 230, 250));
    p.setPen(QPen(QColor(90, 60, 25), 2));
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
    const QRectF turf(2, height() * 0.78, width() - 4, height() * 0.22 - 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(52, 148, 52));
    p.drawRect(turf);
    paintFence(p, QRectF(width() * 0.42, height() * 0.52, 14, height() * 0.27));

    // The horse in the air over the fence.
    p.save();
    p.translate(width() * 0.47, height() * 0.5);
    p.rotate(-12);
    paintHorse(p, QRectF(-width() * 0.3, -height() * 0.4, width() * 0.6, height() * 0.6), 4, 0);
    p.restore();

    // The rosette.
    const QPointF centre(width() - 20.0, 19.0);
    p.setBrush(QColor(200, 25, 30));
    p.drawPolygon(QPolygonF({centre + QPointF(-7, 4), centre + QPointF(-11, 20),
                             centre + QPointF(-3, 15), centre + QPointF(0, 6)}));
    p.drawPolygon(QPolygonF({centre + QPointF(7, 4), centre + QPointF(11, 20),
                             centre + QPointF(3, 15), centre + QPointF(0, 6)}));
    p.drawEllipse(centre, 11, 11);
    p.setBrush(QColor(240, 200, 60));
    p.drawEllipse(centre, 5, 5);
}
