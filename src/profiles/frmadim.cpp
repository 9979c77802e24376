#include "frmadim.h"

#include "adminrules.h"
#include "common/dialogs.h"
#include "common/numbers.h"
#include "common/paths.h"
#include "common/placement.h"
#include "common/valuefile.h"
#include "mainwindow/form2.h"
#include "userprofile.h"

#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

frmadim::frmadim(QWidget *parent)
    : QWidget(parent),
      Label2(new QLabel(QStringLiteral("All these actions Will Effect User 1:"), this)),
      Text2(new QLineEdit(QStringLiteral("Text2"), this)),
      Label3(new QLabel(QStringLiteral("User 1 Cash:"), this)),
      Text3(new QLineEdit(QStringLiteral("Text3"), this)),
      Label4(new QLabel(QStringLiteral("User 1 Debt"), this)),
      Text4(new QLineEdit(QStringLiteral("Text4"), this)),
      Command1(new QPushButton(QStringLiteral("Apply"), this)),
      Command2(new QPushButton(QStringLiteral("Close"), this)),
      ProgressBar1(new QProgressBar(this)), Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("frmadim"));
    setWindowTitle(QStringLiteral("Tellary Networks Stallix Admin"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Text2->setObjectName(QStringLiteral("Text2"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Text3->setObjectName(QStringLiteral("Text3"));
    Label4->setObjectName(QStringLiteral("Label4"));
    Text4->setObjectName(QStringLiteral("Text4"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Text2->setReadOnly(true);
    Label3->setBuddy(Text3);
    Label4->setBuddy(Text4);
    QFont headingFont = Label2->font();
    headingFont.setBold(true);
    Label2->setFont(headingFont);
    ProgressBar1->setRange(0, Ticks);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    auto *fields = new QFormLayout;
    fields->addRow(Label2);
    fields->addRow(Text2);
    fields->addRow(Label3, Text3);
    fields->addRow(Label4, Text4);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(fields);
    outer->addLayout(buttons);
    outer->addWidget(ProgressBar1);

    Timer1->setInterval(TickMs);
    connect(Command1, &QPushButton::clicked, this, &frmadim::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmadim::Command2_Click);
    connect(Timer1, &QTimer::timeout, this, &frmadim::Timer1_Timer);

    resize(380, sizeHint().height());
    centreOnScreen(this);
}

frmadim::~frmadim() = default;

void frmadim::Form_Load()
{
    // Each box on its own: a missing name must not keep the amounts at their design texts.
    QString text = Text2->text();
    if (ValueFile::read(gamePath(UserProfile::file(1, UserProfile::Name)), text))
        Text2->setText(text);
    text = Text3->text();
    if (ValueFile::read(gamePath(UserProfile::file(1, UserProfile::Cash)), text))
        Text3->setText(text);
    text = Text4->text();
    if (ValueFile::read(gamePath(UserProfile::file(1, UserProfile::Debt)), text))
        Text4->setText(text);
    Timer1->start();
}

void frmadim::Command1_Click()
{
    const std::optional<qint32> cash = Admin::amount(Text3->text());
    const std::optional<qint32> debt = Admin::amount(Text4->text());
    if (!cash || !debt) {
        msgBox(QStringLiteral("ERROR! That amount is way too big! Please reduced it now!"));
        return;
    }
    if (!ValueFile::writeAll({{gamePath(UserProfile::file(1, UserProfile::Cash)), digits(*cash)},
                        {gamePath(UserProfile::file(1, UserProfile::Debt)), digits(*debt)}})) {
        msgBox(QStringLiteral("The amounts could not be set: the folder %1 cannot be written to.")
                   .arg(QDir::toNativeSeparators(gamePath(QStringLiteral("\\data")))),
               MsgIcon::Critical);
        return;
    }
    // The game in progress takes them too, and its next save writes them to its own slot.
    if (Form2 *main = loadedForm<Form2>()) {
        main->Text1->setText(digits(*cash));
        main->Text2->setText(digits(*debt));
    }
    msgBox(QStringLiteral("Actions Changed"));
}

void frmadim::Command2_Click()
{
    unload(this);
}

void frmadim::Timer1_Timer()
{
    ProgressBar1->setValue(ProgressBar1->value() + 1);
    if (ProgressBar1->value() >= Ticks)
        unload(this);
}

void frmadim::paintEvent(QPaintEvent *event)
{
    // The panel's background: a steel plate, darker towards the foot.
    QPainter painter(this);
    QLinearGradient plate(0, 0, 0, height());
    plate.setColorAt(0, QColor(226, 230, 236));
    plate.setColorAt(1, QColor(168, 176, 188));
    painter.fillRect(rect(), plate);
    QWidget::paintEvent(event);
}
