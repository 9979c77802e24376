#include "form8.h"

#include "common/linklabel.h"
#include "common/maker.h"
#include "common/placement.h"
#include "versioncheck.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

Form8::Form8(QWidget *parent)
    : QWidget(parent), Frame1(new QGroupBox(QStringLiteral("STALLIX UPDATE MANAGER - "), this)),
      Label1(new LinkLabel(QString(), Frame1)),
      Command1(new QPushButton(QStringLiteral("Download"), Frame1)),
      Command2(new QPushButton(QStringLiteral("i'll download later"), Frame1))
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Update Manager"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));

    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    QFont underlined = Label1->font();
    underlined.setUnderline(true);
    Label1->setFont(underlined);
    Command1->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto *inside = new QVBoxLayout(Frame1);
    inside->addWidget(Label1);
    inside->addSpacing(8);
    inside->addLayout(buttons);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(Frame1);

    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Label1);

    connect(Command1, &QPushButton::clicked, this, &Form8::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form8::Command2_Click);
    connect(Label1, &LinkLabel::clicked, this, &Form8::Label1_Click);

    setFixedWidth(380);
}

Form8::~Form8() = default;

void Form8::Form_Load()
{
    Label1->setText(QStringLiteral("The Next Version Of Stallix is now ready to download from ")
                    + MakerHost);
    adjustSize();
    centreOnScreen(this);
}

void Form8::Command1_Click()
{
    openDownloadPage();
    unload(this);
}

void Form8::Command2_Click()
{
    unload(this);
}

void Form8::Label1_Click()
{
    openDownloadPage();
}
