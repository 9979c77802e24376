#include "programmerpicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

QPixmap programmerPicture(const QSize &size, qreal pixelRatio)
{
    QPixmap pixmap(size * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 160 x 200 canvas and scaled to the size asked for.
    p.scale(size.width() / 160.0, size.height() / 200.0);

    QLinearGradient night(0, 0, 0, 200);
    night.setColorAt(0, QColor(28, 34, 58));
    night.setColorAt(1, QColor(60, 48, 74));
    p.fillRect(QRectF(0, 0, 160, 200), night);

    // The screen's glow lights the face from below-left.
    QRadialGradient glow(QPointF(40, 150), 110);
    glow.setColorAt(0, QColor(120, 200, 255, 120));
    glow.setColorAt(1, QColor(120, 200, 255, 0));
    p.fillRect(QRectF(0, 0, 160, 200), glow);

    p.setPen(Qt::NoPen);
    // Shoulders in a green jumper.
    QPainterPath shoulders;
    shoulders.moveTo(18, 200);
    shoulders.cubicTo(22, 150, 50, 136, 80, 136);
    shoulders.cubicTo(110, 136, 138, 150, 142, 200);
    shoulders.closeSubpath();
    p.setBrush(QColor(46, 112, 74));
    p.drawPath(shoulders);
    p.setBrush(QColor(232, 190, 150));
    p.drawRect(QRectF(70, 118, 20, 22)); // neck

    // Face, ears and hair.
    p.setBrush(QColor(240, 200, 160));
    p.drawEllipse(QPointF(80, 92), 32, 38);
    p.drawEllipse(QPointF(47, 96), 6, 9);
    p.drawEllipse(QPointF(113, 96), 6, 9);
    QPainterPath hair;
    hair.moveTo(48, 86);
    hair.cubicTo(46, 52, 66, 46, 82, 48);
    hair.cubicTo(102, 48, 116, 60, 112, 86);
    hair.cubicTo(104, 70, 88, 64, 70, 68);
    hair.cubicTo(60, 70, 52, 76, 48, 86);
    p.setBrush(QColor(96, 62, 38));
    p.drawPath(hair);

    // Round glasses, and a smile: the race on the screen is going his way.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 40, 48), 2.2));
    p.drawEllipse(QPointF(68, 94), 10, 9);
    p.drawEllipse(QPointF(92, 94), 10, 9);
    p.drawLine(QPointF(78, 94), QPointF(82, 94));
    p.setBrush(QColor(40, 40, 48));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(68, 95), 2.6, 2.6);
    p.drawEllipse(QPointF(92, 95), 2.6, 2.6);
    p.setPen(QPen(QColor(150, 70, 60), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath smile;
    smile.moveTo(68, 112);
    smile.quadTo(80, 122, 92, 112);
    p.drawPath(smile);

    // The keyboard's edge along the bottom.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 210, 216));
    p.drawRoundedRect(QRectF(10, 184, 140, 12), 3, 3);
    p.setBrush(QColor(150, 150, 160));
    for (int key = 0; key < 11; ++key)
        p.drawRect(QRectF(16 + key * 12.2, 187, 9, 5));
    return pixmap;
}
