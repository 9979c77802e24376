#include "splashpictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace {

QPixmap blank(const QSize &size, qreal pixelRatio)
{
    QPixmap pixmap(size * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// One galloping runner, drawn in a 100 x 70 box facing right; the caller places and scales it.
void paintRunner(QPainter &p, const QColor &coat, const QColor &silk, const QColor &cap,
                 bool stretched)
{
    p.save();
    p.setPen(Qt::NoPen);

    // Far legs first, darker, so the near legs read in front of them.
    QPen farLeg(coat.darker(150), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(farLeg);
    if (stretched) {
        p.drawPolyline(QPolygonF{{64, 44}, {74, 56}, {82, 62}});
        p.drawPolyline(QPolygonF{{32, 44}, {24, 56}, {12, 60}});
    } else {
        p.drawPolyline(QPolygonF{{64, 44}, {70, 56}, {66, 66}});
        p.drawPolyline(QPolygonF{{32, 44}, {36, 56}, {30, 66}});
    }

    QPainterPath body;
    body.addEllipse(QPointF(46, 37), 24, 10.5);
    QPainterPath neck;
    neck.moveTo(58, 30);
    neck.cubicTo(66, 22, 72, 14, 80, 9);
    neck.lineTo(86, 14);
    neck.cubicTo(80, 24, 74, 36, 68, 42);
    neck.closeSubpath();
    QPainterPath head;
    head.moveTo(78, 8);
    head.lineTo(82, 3); // ear
    head.lineTo(85, 7);
    head.cubicTo(90, 10, 96, 15, 98, 19);
    head.cubicTo(97, 22, 93, 23, 89, 21);
    head.lineTo(84, 17);
    head.closeSubpath();
    QPainterPath horse = body.united(neck).united(head);

    QLinearGradient shine(0, 22, 0, 50);
    shine.setColorAt(0, coat.lighter(135));
    shine.setColorAt(1, coat.darker(120));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawPath(horse);

    QPen nearLeg(coat, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(nearLeg);
    if (stretched) {
        p.drawPolyline(QPolygonF{{66, 42}, {80, 50}, {92, 48}});
        p.drawPolyline(QPolygonF{{28, 42}, {18, 50}, {4, 50}});
    } else {
        p.drawPolyline(QPolygonF{{66, 42}, {76, 52}, {84, 60}});
        p.drawPolyline(QPolygonF{{28, 42}, {22, 54}, {14, 62}});
    }

    QPen tail(coat.darker(140), 3.0, Qt::SolidLine, Qt::RoundCap);
    p.setPen(tail);
    QPainterPath tailPath;
    tailPath.moveTo(23, 32);
    tailPath.cubicTo(14, 30, 8, 36, 3, 42);
    p.drawPath(tailPath);
    QPen mane(coat.darker(150), 2.0, Qt::SolidLine, Qt::RoundCap);
    p.setPen(mane);
    p.drawLine(QPointF(66, 24), QPointF(62, 20));
    p.drawLine(QPointF(71, 18), QPointF(67, 14));
    p.drawLine(QPointF(76, 13), QPointF(73, 9));

    // The jockey crouches low over the withers, arms reaching to the reins.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 245, 240));
    p.drawEllipse(QPointF(52, 27), 5, 3.2); // breeches
    p.setBrush(silk);
    p.save();
    p.translate(58, 20);
    p.rotate(-18);
    p.drawRoundedRect(QRectF(-8, -4.5, 16, 9), 4, 4);
    p.restore();
    p.setBrush(cap);
    p.drawEllipse(QPointF(67, 13.5), 4, 3.6);
    p.setPen(QPen(silk, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(62, 19), QPointF(74, 20));
    p.setPen(QPen(QColor(40, 30, 25), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(52, 30), QPointF(56, 36)); // boot
    p.restore();
}

// Emblems are drawn on a 100 x 100 grid, centred in the largest square the picture holds.
void useSquareGrid(QPainter &p, const QSize &size)
{
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(size.width(), size.height());
    p.translate((size.width() - side) / 2.0, (size.height() - side) / 2.0);
    p.scale(side / 100.0, side / 100.0);
}

} // namespace

QPixmap splashPicture(const QSize &size, qreal pixelRatio)
{
    QPixmap pixmap = blank(size, pixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal horizon = h * 0.52;

    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(24, 44, 92));
    sky.setColorAt(0.55, QColor(120, 92, 140));
    sky.setColorAt(1, QColor(246, 176, 96));
    p.fillRect(QRectF(0, 0, w, horizon + 1), sky);

    QRadialGradient sun(QPointF(w * 0.78, horizon), h * 0.35);
    sun.setColorAt(0, QColor(255, 236, 170, 230));
    sun.setColorAt(0.25, QColor(255, 214, 130, 160));
    sun.setColorAt(1, QColor(255, 200, 120, 0));
    p.fillRect(QRectF(0, 0, w, horizon + 1), sun);

    // Rolling hills and a grandstand against the evening light.
    QPainterPath hills;
    hills.moveTo(0, horizon);
    hills.cubicTo(w * 0.18, horizon - h * 0.10, w * 0.32, horizon - h * 0.02, w * 0.48,
                  horizon - h * 0.07);
    hills.cubicTo(w * 0.64, horizon - h * 0.12, w * 0.80, horizon - h * 0.03, w,
                  horizon - h * 0.06);
    hills.lineTo(w, horizon + 1);
    hills.lineTo(0, horizon + 1);
    hills.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(52, 70, 66));
    p.drawPath(hills);

    p.setBrush(QColor(36, 44, 52));
    const QRectF stand(w * 0.60, horizon - h * 0.11, w * 0.26, h * 0.11);
    QPolygonF roof{stand.topLeft() + QPointF(-6, 0), stand.topRight() + QPointF(6, 0),
                   stand.topRight() + QPointF(0, -h * 0.04),
                   stand.topLeft() + QPointF(0, -h * 0.04)};
    p.drawPolygon(roof);
    p.drawRect(stand);
    p.setBrush(QColor(250, 210, 140, 200));
    for (int i = 0; i < 7; ++i)
        p.drawRect(QRectF(stand.left() + 6 + i * (stand.width() - 12) / 7.0, stand.top() + 6,
                          stand.width() / 14.0, stand.height() * 0.3));

    // Turf with mowing stripes that widen towards the viewer.
    QLinearGradient turf(0, horizon, 0, h);
    turf.setColorAt(0, QColor(74, 128, 62));
    turf.setColorAt(1, QColor(36, 92, 40));
    p.fillRect(QRectF(0, horizon, w, h - horizon), turf);
    p.setBrush(QColor(255, 255, 255, 18));
    qreal y = horizon;
    for (int band = 0; y < h; ++band) {
        const qreal depth = 4 + band * 5;
        if (band % 2 == 0)
            p.drawRect(QRectF(0, y, w, depth));
        y += depth;
    }

    // Far rail with posts, then the near rail that the runners pass in front of.
    p.setPen(QPen(QColor(240, 240, 235), 2));
    const qreal farRail = horizon + h * 0.06;
    p.drawLine(QPointF(0, farRail), QPointF(w, farRail));
    for (qreal x = 6; x < w; x += w / 24)
        p.drawLine(QPointF(x, farRail), QPointF(x, farRail + h * 0.03));

    struct Runner
    {
        qreal x, y, scale;
        QColor coat, silk, cap;
        bool stretched;
    };
    const std::array<Runner, 3> field = {{
        {w * 0.50, horizon + h * 0.02, h * 0.0026, QColor(92, 58, 36), QColor(40, 90, 200),
         QColor(250, 250, 250), false},
        {w * 0.14, horizon + h * 0.05, h * 0.0036, QColor(60, 40, 30), QColor(230, 190, 40),
         QColor(30, 30, 30), true},
        {w * 0.40, horizon + h * 0.10, h * 0.0045, QColor(120, 72, 40), QColor(200, 40, 50),
         QColor(250, 210, 60), true},
    }};
    for (const Runner &r : field) {
        p.save();
        p.translate(r.x, r.y);
        p.scale(r.scale, r.scale);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawEllipse(QPointF(48, 66), 34, 3.5); // shadow on the turf
        paintRunner(p, r.coat, r.silk, r.cap, r.stretched);
        p.restore();
    }

    p.setPen(QPen(QColor(250, 250, 248), 3));
    const qreal nearRail = h * 0.93;
    p.drawLine(QPointF(0, nearRail), QPointF(w, nearRail));
    p.setPen(QPen(QColor(250, 250, 248), 2.5));
    for (qreal x = 10; x < w; x += w / 10)
        p.drawLine(QPointF(x, nearRail), QPointF(x, h));

    // The name, outlined so it reads against both the sky and the sunset.
    QFont title(QStringLiteral("Serif"));
    title.setPixelSize(qRound(h * 0.26));
    title.setBold(true);
    title.setItalic(true);
    QPainterPath name;
    name.addText(QPointF(w * 0.05, h * 0.30), title, QStringLiteral("Stallix"));
    p.setPen(QPen(QColor(20, 24, 48), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(name);
    QLinearGradient gold(0, h * 0.08, 0, h * 0.31);
    gold.setColorAt(0, QColor(255, 244, 190));
    gold.setColorAt(1, QColor(232, 170, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(name);

    QFont tagline(QStringLiteral("Sans Serif"));
    tagline.setPixelSize(qMax(10, qRound(h * 0.055)));
    tagline.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(tagline);
    p.setPen(QColor(255, 240, 210));
    p.drawText(QPointF(w * 0.055, h * 0.38),
               QStringLiteral("RACING  \u2022  BETTING  \u2022  SHARES"));
    return pixmap;
}

QPixmap emblemPicture(const QSize &size, qreal pixelRatio)
{
    QPixmap pixmap = blank(size, pixelRatio);
    QPainter p(&pixmap);
    useSquareGrid(p, size);

    // A shoe hung open end up, for luck.
    QPainterPath shoe;
    shoe.moveTo(22, 18);
    shoe.cubicTo(8, 50, 16, 92, 50, 92);
    shoe.cubicTo(84, 92, 92, 50, 78, 18);
    shoe.lineTo(62, 20);
    shoe.cubicTo(72, 48, 68, 74, 50, 74);
    shoe.cubicTo(32, 74, 28, 48, 38, 20);
    shoe.closeSubpath();
    QLinearGradient metal(0, 10, 0, 95);
    metal.setColorAt(0, QColor(255, 236, 160));
    metal.setColorAt(0.5, QColor(222, 168, 52));
    metal.setColorAt(1, QColor(150, 100, 24));
    p.setPen(QPen(QColor(96, 62, 12), 2.5));
    p.setBrush(metal);
    p.drawPath(shoe);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 58, 12));
    const std::array<QPointF, 6> nails = {
        {{24, 38}, {22, 56}, {30, 74}, {76, 38}, {78, 56}, {70, 74}}};
    for (const QPointF &nail : nails)
        p.drawEllipse(nail, 2.6, 2.6);
    return pixmap;
}

QPixmap countryPicture(const QSize &size, qreal pixelRatio)
{
    QPixmap pixmap = blank(size, pixelRatio);
    QPainter p(&pixmap);
    useSquareGrid(p, size);

    const QPointF centre(46, 54);
    const qreal radius = 40;
    QRadialGradient sea(centre - QPointF(14, 14), radius * 1.4);
    sea.setColorAt(0, QColor(140, 200, 250));
    sea.setColorAt(1, QColor(24, 84, 160));
    p.setPen(Qt::NoPen);
    p.setBrush(sea);
    p.drawEllipse(centre, radius, radius);

    // Loose continents, clipped to the globe.
    QPainterPath globe;
    globe.addEllipse(centre, radius, radius);
    p.setClipPath(globe);
    p.setBrush(QColor(86, 160, 80));
    QPainterPath land;
    land.moveTo(18, 34);
    land.cubicTo(30, 22, 44, 26, 48, 36);
    land.cubicTo(52, 46, 40, 50, 36, 60);
    land.cubicTo(32, 70, 22, 66, 18, 56);
    land.closeSubpath();
    land.moveTo(56, 30);
    land.cubicTo(70, 24, 86, 34, 84, 48);
    land.cubicTo(80, 56, 70, 52, 64, 60);
    land.cubicTo(58, 70, 66, 80, 58, 88);
    land.cubicTo(50, 84, 52, 70, 54, 58);
    land.cubicTo(56, 48, 50, 40, 56, 30);
    land.closeSubpath();
    p.drawPath(land);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.2));
    for (int i = 1; i < 4; ++i) {
        const qreal rx = radius * std::cos(i * 3.14159265 / 8);
        p.drawEllipse(centre, radius - rx, radius);
        p.drawEllipse(centre, radius, radius - rx);
    }
    p.drawLine(QPointF(centre.x() - radius, centre.y()), QPointF(centre.x() + radius, centre.y()));
    p.drawLine(QPointF(centre.x(), centre.y() - radius), QPointF(centre.x(), centre.y() + radius));
    p.setClipping(false);
    p.setPen(QPen(QColor(16, 56, 110), 2));
    p.drawEllipse(centre, radius, radius);

    // A marker standing on the globe: "you are here".
    p.setPen(QPen(QColor(60, 40, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(70, 40), QPointF(70, 8));
    QPainterPath flag;
    flag.moveTo(70, 8);
    flag.cubicTo(78, 4, 84, 14, 94, 9);
    flag.lineTo(94, 24);
    flag.cubicTo(84, 29, 78, 19, 70, 23);
    flag.closeSubpath();
    p.setPen(QPen(QColor(130, 20, 30), 1.2));
    p.setBrush(QColor(214, 40, 52));
    p.drawPath(flag);
    return pixmap;
}

QIcon continueIcon()
{
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(side / 100.0, side / 100.0);
        QLinearGradient disc(0, 4, 0, 96);
        disc.setColorAt(0, QColor(120, 200, 100));
        disc.setColorAt(1, QColor(30, 120, 50));
        p.setPen(QPen(QColor(20, 90, 36), 4));
        p.setBrush(disc);
        p.drawEllipse(QRectF(4, 4, 92, 92));
        QPolygonF arrow{{26, 42}, {52, 42}, {52, 26}, {78, 50}, {52, 74}, {52, 58}, {26, 58}};
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(arrow);
        icon.addPixmap(pixmap);
    }
    return icon;
}
