#include "form5.h"

#include "common/dialogs.h"
#include "common/paths.h"
#include "common/placement.h"
#include "common/valuefile.h"
#include "form2.h"
#include "profiles/userprofile.h"
#include "races/racepictures.h"
#include "renaming.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

const std::array<std::array<const char *, 5>, 3> NameSets = {{
    {"Dash Of Light", "Wolf", "Dash Hound", "Grass Vulture", "Grayhound"},
    {"Big Mac", "Wolf Gang", "The Dogs", "Red Rash", "Mini Monster"},
    {"Flash", "Chocolate Button", "Revolution", "Winning Line", "Pint Of Mild"},
}};

const QString ShareHorseFile = QStringLiteral("c:\\windows\\system\\horshare.hor");

// Nothing reads this file; it is written only where the system folder it belongs in is
// already there, and a failure to write it is of no consequence to the game.
void writeShareHorseFile(const QString &name)
{
    const QString path = windowsPath(ShareHorseFile);
    if (QFileInfo(QFileInfo(path).absolutePath()).isDir())
        ValueFile::write(path, name);
}

} // namespace

Form5::Form5(QWidget *parent)
    : QWidget(parent), Frame1(new QGroupBox(QStringLiteral("Horse options"), this)),
      Label1(new QLabel(QStringLiteral("Rename Horse 1"), Frame1)),
      Label3(new QLabel(QStringLiteral("Rename Horse 2"), Frame1)),
      Label4(new QLabel(QStringLiteral("Rename Horse 3"), Frame1)),
      Label5(new QLabel(QStringLiteral("Rename Horse 4"), Frame1)),
      Label6(new QLabel(QStringLiteral("Rename Horse 5"), Frame1)),
      Command2(new QPushButton(QStringLiteral("&Reset"), this)),
      Command1(new QPushButton(QStringLiteral("&OK"), this)),
      Command4(new QPushButton(QStringLiteral("&Close"), this)), Command3(new QPushButton(this)),
      Picture1(new HorsePicture(2, this))
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Horse Options"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Label4->setObjectName(QStringLiteral("Label4"));
    Label5->setObjectName(QStringLiteral("Label5"));
    Label6->setObjectName(QStringLiteral("Label6"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command4->setObjectName(QStringLiteral("Command4"));
    Command3->setObjectName(QStringLiteral("Command3"));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFixedSize(120, 76);
    Command3->setFixedSize(14, 14);
    Command3->setFocusPolicy(Qt::NoFocus);

    const std::array<QLabel *, 5> captions{Label1, Label3, Label4, Label5, Label6};
    auto *grid = new QGridLayout(Frame1);
    for (int i = 0; i < 5; ++i) {
        txtHorse[i] = new QLineEdit(QStringLiteral("Text6"), Frame1);
        txtHorse[i]->setObjectName(QStringLiteral("txtHorse(%1)").arg(i));
        txtHorse[i]->setMinimumWidth(220);
        captions[i]->setBuddy(txtHorse[i]);
        grid->addWidget(captions[i], i, 0);
        grid->addWidget(txtHorse[i], i, 1);
    }

    auto *sets = new QVBoxLayout;
    for (int i = 0; i < 3; ++i) {
        selec[i] = new QRadioButton(QStringLiteral("Selection %1").arg(i + 1), this);
        selec[i]->setObjectName(QStringLiteral("selec(%1)").arg(i));
        sets->addWidget(selec[i]);
        connect(selec[i], &QRadioButton::clicked, this, [this, i] { selec_Click(i); });
    }
    sets->addStretch();
    sets->addWidget(Picture1, 0, Qt::AlignHCenter);

    auto *top = new QHBoxLayout;
    top->addWidget(Frame1, 1);
    top->addLayout(sets);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command3, 0, Qt::AlignBottom);
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    buttons->addWidget(Command4);

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addLayout(buttons);

    setTabOrder(txtHorse[4], selec[0]);
    setTabOrder(selec[2], Command2);
    setTabOrder(Command2, Command1);
    setTabOrder(Command1, Command4);

    connect(Command2, &QPushButton::clicked, this, &Form5::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(Command4, &QPushButton::clicked, this, &Form5::Command4_Click);
    connect(Command3, &QPushButton::clicked, this, &Form5::Command3_Click);

    adjustSize();
    setFixedSize(size());
    centreOnScreen(this);
}

Form5::~Form5() = default;

void Form5::Form_Load()
{
    const Form2 *main = loadedForm<Form2>();
    if (!main)
        return;
    for (int i = 0; i < 5; ++i)
        txtHorse[i]->setText(main->runner(i + 1)->text());
}

void Form5::selec_Click(int index)
{
    for (int i = 0; i < 5; ++i)
        txtHorse[i]->setText(QString::fromUtf8(NameSets[index][i]));
}

void Form5::Command2_Click()
{
    for (int i = 0; i < 5; ++i)
        txtHorse[i]->setText(UserProfile::DefaultHorses[i]);
}

void Form5::Command1_Click()
{
    Form2 *main = loadedForm<Form2>();
    if (!main) {
        unload(this);
        return;
    }
    const std::array<QString, 5> oldNames = main->runnerNames();
    const QString shareLine = main->Label16->text();
    const int held =
        shareLine == UserProfile::NoShares ? 0 : lastMatchingRunner(oldNames, shareLine);
    // A bet stays on its runner: the settlement knows the backed horse only by its name.
    const int backed = lastMatchingRunner(oldNames, main->Label14->text());

    for (int k = 1; k <= 5; ++k)
        main->runner(k)->setText(txtHorse[k - 1]->text());
    if (held != 0) {
        main->Label16->setText(txtHorse[held - 1]->text());
        if (held <= 2)
            writeShareHorseFile(txtHorse[held - 1]->text());
    }
    if (backed != 0)
        main->Label14->setText(txtHorse[backed - 1]->text());
    unload(this);
}

void Form5::Command4_Click()
{
    unload(this);
}

void Form5::Command3_Click()
{
    if (!ValueFile::writeNumber(gamePath(QStringLiteral("\\data\\option.hor")), 1))
        msgBox(QStringLiteral("The start-up option could not be saved: the folder %1 cannot be "
                              "written to.")
                   .arg(QDir::toNativeSeparators(gamePath(QStringLiteral("\\data")))),
               MsgIcon::Critical);
}
