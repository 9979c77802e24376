#include "plainbutton.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
QString shownAsItStands(QString caption)
{
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// What a screen reader is told of the button. The toolkit's own radio button reads its name
// from the caption with every "&" taken for an access key, so "Black & White" would be heard
// as "Black  White": this one names the horse as it stands, and offers no access key.
class PlainRadioAccessible : public QAccessibleWidget
{
public:
    explicit PlainRadioAccessible(QRadioButton *button)
        : QAccessibleWidget(button, QAccessible::RadioButton)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return button()->text();
        if (t == QAccessible::Accelerator)
            return QString();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == toggleAction() || actionName == pressAction()) {
            if (widget()->isEnabled())
                button()->animateClick();
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

private:
    QRadioButton *button() const { return static_cast<QRadioButton *>(widget()); }
};

QAccessibleInterface *plainRadioAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("PlainRadioButton") && object && object->isWidgetType())
        return new PlainRadioAccessible(static_cast<PlainRadioButton *>(object));
    return nullptr;
}
} // namespace

PlainRadioButton::PlainRadioButton(const QString &text, QWidget *parent)
    : QRadioButton(text, parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(&plainRadioAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

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
