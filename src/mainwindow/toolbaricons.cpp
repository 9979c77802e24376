#include "toolbaricons.h"

#include <QEvent>
#include <QFont>
#include <QObject>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

#include <functional>

namespace {

// Every picture is drawn on a 24 by 24 grid and scaled, so the toolbar stays sharp on
// high-density screens too.
constexpr int Grid = 24;

QPen outline(const QColor &colour, qreal width = 1.2)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// An arrow head at `tip`, pointing along the angle in degrees (0 = right, 90 = down).
void arrowHead(QPainter &p, QPointF tip, qreal degrees, qreal size, const QColor &colour)
{
    QPainterPath head;
    head.moveTo(0, 0);
    head.lineTo(-size, -size * 0.7);
    head.lineTo(-size, size * 0.7);
    head.closeSubpath();
    p.save();
    p.translate(tip);
    p.rotate(degrees);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(head);
    p.restore();
}

void paintLogOff(QPainter &p)
{
    // An open door with an arrow leaving through it.
    p.setPen(outline(QColor(0x5a, 0x3a, 0x1e)));
    p.setBrush(QColor(0xf1, 0xe3, 0xc8));
    p.drawRect(QRectF(3.5, 2.5, 11, 19));
    QPolygonF door{QPointF(3.5, 2.5), QPointF(10.5, 4.5), QPointF(10.5, 22.5), QPointF(3.5, 21.5)};
    p.setBrush(QColor(0xa8, 0x6b, 0x32));
    p.drawPolygon(door);
    p.setBrush(QColor(0xf3, 0xd0, 0x3c));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(9, 13), 0.9, 0.9);
    const QColor green(0x1f, 0x8f, 0x3a);
    p.setPen(QPen(green, 2.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(12, 12), QPointF(18.5, 12));
    arrowHead(p, QPointF(23, 12), 0, 5, green);
}

void paintSave(QPainter &p)
{
    // A diskette: body, metal shutter and label.
    const QColor blue(0x27, 0x4f, 0x9c);
    QPainterPath body;
    body.moveTo(3.5, 3.5);
    body.lineTo(18, 3.5);
    body.lineTo(20.5, 6);
    body.lineTo(20.5, 20.5);
    body.lineTo(3.5, 20.5);
    body.closeSubpath();
    p.setPen(outline(blue.darker(140)));
    p.setBrush(blue);
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd9, 0xdd, 0xe3));
    p.drawRect(QRectF(7, 3.5, 9, 6));
    p.setBrush(blue);
    p.drawRect(QRectF(12.5, 4.5, 2, 4));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 12.5, 12, 8));
    p.setPen(QPen(QColor(0x9a, 0xa4, 0xb5), 0.8));
    p.drawLine(QPointF(7.5, 15), QPointF(16.5, 15));
    p.drawLine(QPointF(7.5, 17.5), QPointF(16.5, 17.5));
}

void paintRestore(QPainter &p)
{
    // An archive box with an arrow going round: keep a copy, bring it back.
    const QColor brown(0x8a, 0x5a, 0x2b);
    p.setPen(outline(brown.darker(130)));
    p.setBrush(QColor(0xd9, 0xa8, 0x62));
    p.drawRect(QRectF(4.5, 12.5, 15, 9));
    p.setBrush(QColor(0xc4, 0x8c, 0x45));
    p.drawRect(QRectF(3.5, 10.5, 17, 3));
    p.setPen(outline(brown.darker(130), 1.0));
    p.drawLine(QPointF(9.5, 16), QPointF(14.5, 16));
    const QColor green(0x1f, 0x8f, 0x3a);
    p.setPen(QPen(green, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6, 1.5, 12, 12), 20 * 16, 160 * 16);
    arrowHead(p, QPointF(17.8, 9.8), 100, 4, green);
}

void paintRename(QPainter &p)
{
    // A pencil writing on a line.
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2.5, 21.5), QPointF(21.5, 21.5));
    p.save();
    p.translate(5, 18);
    p.rotate(-45);
    p.setPen(outline(QColor(0x6b, 0x4f, 0x10), 1.0));
    p.setBrush(QColor(0xf3, 0xc6, 0x2b));
    p.drawRect(QRectF(4, -2.5, 12, 5));
    p.setBrush(QColor(0xe8, 0x8e, 0x9c));
    p.drawRect(QRectF(16, -2.5, 3.5, 5));
    p.setBrush(QColor(0xf0, 0xd9, 0xb0));
    p.drawPolygon(QPolygonF{QPointF(4, -2.5), QPointF(0, 0), QPointF(4, 2.5)});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x33, 0x33, 0x33));
    p.drawPolygon(QPolygonF{QPointF(1.3, -0.8), QPointF(0, 0), QPointF(1.3, 0.8)});
    p.restore();
}

void paintReset(QPainter &p)
{
    // A coin with an arrow turning back round it: the money goes back to where it began.
    p.setPen(outline(QColor(0x9c, 0x74, 0x0b)));
    p.setBrush(QColor(0xf3, 0xc6, 0x2b));
    p.drawEllipse(QPointF(12, 12), 5.5, 5.5);
    p.setPen(outline(QColor(0xc2, 0x93, 0x14), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 12), 3.5, 3.5);
    const QColor orange(0xd3, 0x54, 0x00);
    p.setPen(QPen(orange, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(QRectF(2.5, 2.5, 19, 19), 100 * 16, 290 * 16);
    arrowHead(p, QPointF(8.5, 3.8), 200, 4.5, orange);
}

void paintQurba(QPainter &p)
{
    // A globe: the maker's pages on the internet.
    const QColor sea(0x2f, 0x7f, 0xc8);
    p.setPen(outline(sea.darker(150)));
    p.setBrush(sea);
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4c, 0xae, 0x4f));
    QPainterPath land;
    land.moveTo(7, 6);
    land.cubicTo(10, 4, 13, 6, 12, 9);
    land.cubicTo(11, 12, 8, 11, 8, 14);
    land.cubicTo(8, 16, 5, 15, 4.5, 12);
    land.cubicTo(4, 9, 5, 7, 7, 6);
    p.drawPath(land);
    QPainterPath east;
    east.moveTo(15, 11);
    east.cubicTo(18, 10, 20, 12, 19.5, 15);
    east.cubicTo(19, 18, 16, 19, 15, 17);
    east.cubicTo(14, 15, 13, 12, 15, 11);
    p.drawPath(east);
    p.setPen(QPen(QColor(255, 255, 255, 150), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 12), 4, 9.5);
    p.drawLine(QPointF(2.5, 12), QPointF(21.5, 12));
}

void paintHelp(QPainter &p)
{
    p.setPen(outline(QColor(0x1b, 0x3f, 0x8b)));
    p.setBrush(QColor(0x2f, 0x6f, 0xd0));
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    QFont font(QStringLiteral("Sans Serif"));
    font.setBold(true);
    font.setPixelSize(15);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
}

std::function<void(QPainter &)> painterFor(const QString &key)
{
    if (key == QStringLiteral("Log_Off"))
        return paintLogOff;
    if (key == QStringLiteral("save"))
        return paintSave;
    if (key == QStringLiteral("restore"))
        return paintRestore;
    if (key == QStringLiteral("rename"))
        return paintRename;
    if (key == QStringLiteral("reset"))
        return paintReset;
    if (key == QStringLiteral("qurba"))
        return paintQurba;
    if (key == QStringLiteral("help"))
        return paintHelp;
    return {};
}

QPixmap render(const std::function<void(QPainter &)> &paint, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(qreal(size) / Grid, qreal(size) / Grid);
    paint(p);
    return pixmap;
}

class ToolTipEater : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

QIcon toolbarIcon(const QString &key)
{
    const std::function<void(QPainter &)> paint = painterFor(key);
    if (!paint)
        return {};
    QIcon icon;
    for (int size : {Grid, Grid * 2})
        icon.addPixmap(render(paint, size));
    return icon;
}

void withoutToolTip(QWidget *widget)
{
    widget->installEventFilter(new ToolTipEater(widget));
}
