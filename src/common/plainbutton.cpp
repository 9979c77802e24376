#include "plainbutton.h"

#include <QEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
QString shownAsItStands(QString caption)
{
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}
} // namespace

PlainRadioButton::PlainRadioButton(const QString &text, QWidget *parent)
    : QRadioButton(text, parent)
{}

PlainRadioButton::~PlainRadioButton() = default;

int PlainRadioButton::captionGrowth() const
{
    const QFontMetrics metrics = fontMetrics();
    return metrics.size(Qt::TextShowMnemonic, shownAsItStands(text())).width()
           - metrics.size(Qt::TextShowMnemonic, text()).width();
}

QSize PlainRadioButton::sizeHint() const
{
    return QRadioButton::sizeHint() + QSize(captionGrowth(), 0);
}

QSize PlainRadioButton::minimumSizeHint() const
{
    return QRadioButton::minimumSizeHint() + QSize(captionGrowth(), 0);
}

void PlainRadioButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = shownAsItStands(text());
    painter.drawControl(QStyle::CE_RadioButton, option);
}

bool PlainRadioButton::event(QEvent *event)
{
    // The access key that setText() takes from an "&" in a name is not the player's to press.
    if (event->type() == QEvent::Shortcut)
        return true;
    return QRadioButton::event(event);
}
