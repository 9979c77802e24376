#include "statusbar.h"

StatusBar::StatusBar(int panelCount, QWidget *parent)
    : QStatusBar(parent), m_count(std::min(panelCount, 4))
{
    setSizeGripEnabled(false);
    for (int i = 0; i < m_count; ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("Panels(%1)").arg(i + 1));
        // Panels show hints and file names: text only.
        label->setTextFormat(Qt::PlainText);
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        label->setContentsMargins(4, 0, 4, 0);
        // The hint panel takes the room that is left.
        addPermanentWidget(label, i == m_count - 1 ? 1 : 0);
        m_panels[i] = label;
    }
}

StatusBar::~StatusBar() = default;

QLabel *StatusBar::panel(int number) const
{
    return (number >= 1 && number <= m_count) ? m_panels[number - 1] : nullptr;
}

QString StatusBar::panelText(int number) const
{
    const QLabel *label = panel(number);
    return label ? label->text() : QString();
}

void StatusBar::setPanelText(int number, const QString &text)
{
    if (QLabel *label = panel(number))
        label->setText(text);
}
