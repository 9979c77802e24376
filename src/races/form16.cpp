#include "form16.h"

#include "common/placement.h"
#include "mainwindow/form2.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

Form16::Form16(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(QStringLiteral("GrandNational Requirements"));

    Label1 = makeLabel(QStringLiteral("Label1"),
                       QStringLiteral("To enter your horse into the Grand National Then You Will "
                                      "Require The Following:"),
                       this);
    Label1->setWordWrap(true);
    QFont heading = Label1->font();
    heading.setBold(true);
    Label1->setFont(heading);
    Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("1:"), this);
    Label2[0] = makeLabel(QStringLiteral("Label2(0)"), QStringLiteral("30,000 or More."), this);
    Label2[1] =
        makeLabel(QStringLiteral("Label2(1)"), QStringLiteral("2: Shares In A Horse"), this);
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command1->setMinimumWidth(90);

    auto *list = new QGridLayout;
    list->setHorizontalSpacing(6);
    list->addWidget(Label3, 0, 0);
    list->addWidget(Label2[0], 0, 1);
    list->addWidget(Label2[1], 1, 0, 1, 2);
    list->setColumnStretch(1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addStretch(1);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(18, 16, 18, 14);
    column->setSpacing(12);
    column->addWidget(Label1);
    column->addLayout(list);
    column->addLayout(buttons);
    setFixedWidth(360);
    adjustSize();
    centreOnScreen(this);

    connect(Command1, &QPushButton::clicked, this, &Form16::Command1_Click);
}

Form16::~Form16() = default;

void Form16::Form_Load()
{
    // Shown from the main window's menu; the notice never brings a closed one back.
    if (const Form2 *main = loadedForm<Form2>())
        Label2[0]->setText(main->curr->text() + QStringLiteral("30,000"));
}

void Form16::Command1_Click()
{
    unload(this);
}
