#include "racepictures.h"

#include "racerules.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>

namespace {

struct Silks
{
    QColor body;
    QColor sleeves;
    QColor cap;
};

// Runner 1..5: red, royal blue, yellow, orange, purple; contrasting sleeves and caps so that
// horses side by side stay apart.
Silks silksOf(int silk)
{
    static const std::array<Silks, 5> All = {{
        {QColor(205, 30, 35), QColor(250, 250, 250), QColor(250, 250, 250)},
        {QColor(25, 65, 200), QColor(250, 210, 30), QColor(250, 210, 30)},
        {QColor(250, 205, 20), QColor(20, 20, 20), QColor(20, 20, 20)},
        {QColor(245, 125, 20), QColor(25, 110, 45), QColor(25, 110, 45)},
        {QColor(130, 40, 175), QColor(250, 250, 250), QColor(205, 30, 35)},
    }};
    return All[static_cast<std::size_t>(std::clamp(silk, 1, 5) - 1)];
}

// A fixed sequence for the crowd's colours; the game's random source is kept for the game.
class Speckle
{
public:
    int next(int range)
    {
        m_state = m_state * 1103515245u + 12345u;
        return static_cast<int>((m_state >> 16) % static_cast<unsigned>(range));
    }

private:
    unsigned m_state = 20020u;
};

// A leg from the hip or shoulder: a strong upper part, a slim cannon, a dark hoof.
void drawLeg(QPainter &p, const QColor &colour, QPointF top, QPointF knee, QPointF hoof)
{
    p.setPen(QPen(colour, 6.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(top, knee);
    p.setPen(QPen(colour, 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(knee, hoof);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(35, 25, 20));
    p.drawEllipse(hoof, 2.3, 2.3);
}

void paintGrandstand(QPainter &p, const QRect &strip, int finishX)
{
    QLinearGradient sky(strip.topLeft(), strip.bottomLeft());
    sky.setColorAt(0, QColor(120, 185, 240));
    sky.setColorAt(1, QColor(190, 225, 250));
    p.fillRect(strip, sky);

    // The stand: a roof line, then rows of spectators.
    const int roofY = strip.top() + strip.height() / 5;
    p.fillRect(QRect(strip.left(), roofY, strip.width(), 3), QColor(150, 30, 30));
    const QRect seats(strip.left(), roofY + 3, strip.width(), strip.bottom() - roofY - 6);
    p.fillRect(seats, QColor(70, 70, 80));
    Speckle speckle;
    static const std::array<QColor, 6> Coats = {QColor(230, 60, 60),  QColor(240, 240, 240),
                                                QColor(60, 110, 230), QColor(250, 210, 60),
                                                QColor(40, 40, 40),   QColor(230, 150, 120)};
    for (int y = seats.top() + 2; y < seats.bottom() - 1; y += 4) {
        for (int x = seats.left() + (y % 8 == 0 ? 1 : 3); x < seats.right(); x += 4)
            p.fillRect(QRect(x, y, 2, 2), Coats[static_cast<std::size_t>(speckle.next(6))]);
    }

    // The white rail along the near side of the track.
    p.fillRect(QRect(strip.left(), strip.bottom() - 2, strip.width(), 3), QColor(250, 250, 250));

    // Distance poles every 2,000 twips from the start, and the winning post at the line.
    for (int twips = TrackLayout::StartLeft + 2000; twips < RaceFinishLine; twips += 2000) {
        const int x = trackPixels(twips);
        p.fillRect(QRect(x, strip.bottom() - 12, 2, 10), QColor(220, 30, 30));
        p.fillRect(QRect(x, strip.bottom() - 12, 2, 4), QColor(250, 250, 250));
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(QColor(220, 30, 30));
    p.drawRect(QRectF(finishX - 1.5, strip.top() + 4, 3, strip.height() - 6));
    p.setBrush(QColor(250, 250, 250));
    p.drawEllipse(QPointF(finishX, strip.top() + 7), 6, 6);
    p.setBrush(QColor(220, 30, 30));
    p.drawEllipse(QPointF(finishX, strip.top() + 7), 2.5, 2.5);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void paintLanes(QPainter &p, const QRect &lanes, int finishX)
{
    // Mown stripes across the turf.
    const int band = 24;
    for (int x = lanes.left(), i = 0; x < lanes.right(); x += band, ++i)
        p.fillRect(QRect(x, lanes.top(), band, lanes.height()),
                   i % 2 == 0 ? QColor(52, 148, 52) : QColor(62, 162, 60));

    // Lane dividers: dashed white lines between lanes, solid rails at both edges.
    const int lane = lanes.height() / 5;
    QPen dash(QColor(245, 245, 245, 200), 1, Qt::DashLine);
    p.setPen(dash);
    for (int k = 1; k < 5; ++k)
        p.drawLine(lanes.left(), lanes.top() + k * lane, lanes.right(), lanes.top() + k * lane);
    p.fillRect(QRect(lanes.left(), lanes.bottom() - 1, lanes.width(), 3), QColor(250, 250, 250));

    // The start line at the horses' noses, and the run-out beyond the finish.
    const int startX = trackPixels(TrackLayout::StartLeft + TrackLayout::HorseWidth);
    p.fillRect(QRect(startX, lanes.top(), 2, lanes.height()), QColor(250, 250, 250, 170));
    p.fillRect(QRect(finishX + 4, lanes.top(), lanes.right() - finishX - 4, lanes.height()),
               QColor(40, 120, 40, 90));

    // Lane numbers in the run-out.
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.setRenderHint(QPainter::Antialiasing);
    for (int k = 1; k <= 5; ++k) {
        const QPointF centre(lanes.right() - 14, lanes.top() + (k - 1) * lane + lane / 2.0);
        p.setPen(QPen(QColor(30, 30, 30), 1));
        p.setBrush(silksOf(k).body);
        p.drawEllipse(centre, 8, 8);
        p.setPen(k == 3 ? QColor(20, 20, 20) : QColor(255, 255, 255));
        p.drawText(QRectF(centre.x() - 8, centre.y() - 8, 16, 16), Qt::AlignCenter,
                   QString::number(k));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

void paintHedge(QPainter &p, const QRect &strip)
{
    p.fillRect(strip, QColor(28, 95, 32));
    Speckle speckle;
    for (int y = strip.top() + 3; y < strip.bottom(); y += 3) {
        for (int x = strip.left() + speckle.next(4); x < strip.right(); x += 5)
            p.fillRect(QRect(x, y, 2, 2),
                       speckle.next(3) == 0 ? QColor(45, 130, 45) : QColor(20, 75, 25));
    }
}

} // namespace

void paintHorse(QPainter &p, const QRectF &area, int silk, int stride)
{
    const Silks colours = silksOf(silk);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // The figure is drawn in a 100 x 64 box and scaled into the area.
    p.translate(area.topLeft());
    p.scale(area.width() / 100.0, area.height() / 64.0);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 55));
    p.drawEllipse(QRectF(16, 57, 70, 6));

    const QColor coat(120, 68, 30);
    const QColor farSide(88, 48, 20);
    const QColor dark(55, 30, 14);

    // Legs first, so the body covers their tops; the far legs in shadow.
    if (stride == 0) {
        drawLeg(p, farSide, {60, 41}, {70, 50}, {78, 56});
        drawLeg(p, farSide, {34, 41}, {24, 50}, {13, 53});
        drawLeg(p, coat, {66, 41}, {79, 47}, {90, 50});
        drawLeg(p, coat, {38, 42}, {33, 52}, {37, 59});
    } else {
        drawLeg(p, farSide, {60, 41}, {56, 51}, {61, 58});
        drawLeg(p, farSide, {34, 41}, {42, 50}, {48, 57});
        drawLeg(p, coat, {66, 41}, {66, 52}, {73, 58});
        drawLeg(p, coat, {38, 42}, {30, 52}, {24, 59});
    }

    // Tail.
    p.setPen(QPen(dark, 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath tail;
    tail.moveTo(27, 31);
    tail.cubicTo(15, 29, 9, 37, 4, 46);
    p.drawPath(tail);

    // Body, neck and head as one outline.
    QPainterPath horse;
    horse.addEllipse(QRectF(23, 25, 50, 21));
    QPainterPath neck;
    neck.addPolygon(
        QPolygonF({{60, 29}, {73, 22}, {81, 11}, {89, 14}, {82, 30}, {70, 43}, {60, 38}}));
    neck.closeSubpath();
    QPainterPath head;
    head.addPolygon(QPolygonF({{80, 11}, {88, 8}, {98, 18}, {97, 23.5}, {91, 24}, {83, 18}}));
    head.closeSubpath();
    QPainterPath ear;
    ear.addPolygon(QPolygonF({{82, 12}, {84, 4}, {88, 10}}));
    ear.closeSubpath();
    horse = horse.united(neck).united(head).united(ear);
    p.setPen(QPen(dark, 0.9));
    p.setBrush(coat);
    p.drawPath(horse);
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawEllipse(QRectF(87.5, 12.5, 2.4, 2.4)); // eye
    p.drawEllipse(QRectF(95, 19.5, 1.6, 1.6));   // nostril
    p.setPen(QPen(dark, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(72, 21), QPointF(81, 11)); // mane

    // Saddle cloth with the runner's number.
    p.setPen(QPen(QColor(40, 40, 40), 0.6));
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(40, 26, 16, 12));
    QFont number = p.font();
    number.setBold(true);
    number.setPixelSize(11);
    p.setFont(number);
    p.setPen(QColor(20, 20, 20));
    p.drawText(QRectF(40, 25.5, 16, 12), Qt::AlignCenter, QString::number(silk));

    // Jockey crouched over the withers: white breeches, silks, cap.
    p.setPen(QPen(QColor(40, 40, 40), 0.6));
    p.setBrush(QColor(245, 245, 240));
    p.drawPolygon(QPolygonF({{48, 24}, {58, 22}, {62, 32}, {57, 34}, {55, 27}, {49, 28}}));
    p.setBrush(QColor(25, 25, 25));
    p.drawRect(QRectF(56, 31, 7, 3.2)); // boot
    p.setBrush(colours.body);
    p.drawPolygon(QPolygonF({{46, 25}, {50, 15}, {62, 9}, {68, 12}, {60, 22}, {50, 26}}));
    p.setPen(QPen(colours.sleeves, 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(63, 12), QPointF(75, 17)); // arm to the reins
    p.setPen(QPen(QColor(40, 40, 40), 0.6));
    p.setBrush(QColor(235, 190, 150));
    p.drawEllipse(QRectF(64, 3, 7, 7)); // face
    p.setBrush(colours.cap);
    p.drawChord(QRectF(63.5, 2, 8, 7), 0, 180 * 16);
    p.drawRect(QRectF(70, 4.8, 3.5, 1.2)); // peak
    p.setPen(QPen(QColor(30, 30, 30), 0.7));
    p.drawLine(QPointF(75, 17), QPointF(90, 20)); // reins

    p.restore();
}

TrackPicture::TrackPicture(QWidget *parent) : QFrame(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TrackPicture::~TrackPicture() = default;

void TrackPicture::paintEvent(QPaintEvent *)
{
    if (m_cache.size() != size()) {
        m_cache = QPixmap(size());
        QPainter p(&m_cache);
        const int standBottom = trackPixels(TrackLayout::StandHeight);
        const int lanesBottom = trackPixels(TrackLayout::laneTop(6));
        const int finishX = trackPixels(RaceFinishLine);
        paintGrandstand(p, QRect(0, 0, width(), standBottom), finishX);
        paintLanes(p, QRect(0, standBottom, width(), lanesBottom - standBottom), finishX);
        paintHedge(p, QRect(0, lanesBottom + 2, width(), height() - lanesBottom - 2));
        p.setPen(QPen(QColor(85, 50, 20), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(1, 1, width() - 2, height() - 2));
    }
    QPainter(this).drawPixmap(0, 0, m_cache);
}

HorsePicture::HorsePicture(int silk, QWidget *parent) : QWidget(parent), m_silk(silk)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

HorsePicture::~HorsePicture() = default;

void HorsePicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintHorse(p, QRectF(rect()), m_silk, (x() / 14) % 2);
}

void HorsePicture::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    update();
}

FinishLine::FinishLine(QWidget *parent) : QFrame(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

FinishLine::~FinishLine() = default;

void FinishLine::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int square = 3;
    for (int y = 0; y < height(); y += square) {
        for (int x = 0; x < width(); x += square) {
            const bool black = ((x / square) + (y / square)) % 2 == 0;
            p.fillRect(QRect(x, y, square, square), black ? Qt::black : Qt::white);
        }
    }
}

BannerPicture::BannerPicture(QWidget *parent) : QFrame(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

BannerPicture::~BannerPicture() = default;

void BannerPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient sheen(0, 0, 0, height());
    sheen.setColorAt(0, QColor(30, 60, 140));
    sheen.setColorAt(0.5, QColor(15, 35, 95));
    sheen.setColorAt(1, QColor(8, 20, 60));
    p.fillRect(rect(), sheen);
    const QColor gold(230, 185, 60);
    p.fillRect(QRect(0, 0, width(), 2), gold);
    p.fillRect(QRect(0, height() - 2, width(), 2), gold);

    // A horseshoe at each end, for luck.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(gold, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const int d = std::max(10, height() - 18);
    for (const int left : {12, width() - 12 - d})
        p.drawArc(QRect(left, (height() - d) / 2 + 2, d, d), 210 * 16, -240 * 16);
}
