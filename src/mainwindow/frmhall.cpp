#include "frmhall.h"

#include "common/dialogs.h"
#include "common/numbers.h"
#include "common/paths.h"
#include "common/placement.h"
#include "common/valuefile.h"
#include "form2.h"
#include "online/form10.h"
#include "races/racepictures.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

constexpr int CountdownSeconds = 10;

QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString secondsText(int seconds)
{
    return digits(seconds) + QStringLiteral(" seconds");
}

// The files of positions `from`..4 as the table holds them.
QList<ValueFile::Entry> tableFiles(const HallTable &table, int from)
{
    QList<ValueFile::Entry> files;
    for (int i = from; i < 5; ++i)
        files.append({gamePath(HallOfFame::scoreFile(i)), numberText(table[i].score)});
    for (int i = from; i < 5; ++i)
        files.append({gamePath(HallOfFame::nameFile(i)), table[i].name});
    return files;
}

bool mainWindowShowing()
{
    const Form2 *main = loadedForm<Form2>();
    return main && main->isVisible();
}

} // namespace

void continueWayOut()
{
    showForm10();
}

frmHall::frmHall(QWidget *parent)
    : QWidget(parent),
      Label8(makeLabel(QStringLiteral("Label8"), QStringLiteral("Hall Of Fame"), this)),
      Label4(makeLabel(QStringLiteral("Label4"), QStringLiteral("Position And Cash"), this)),
      Label5(makeLabel(QStringLiteral("Label5"), QStringLiteral("Name"), this)),
      Label6(
          makeLabel(QStringLiteral("Label6"), QStringLiteral("This screen will close in:"), this)),
      Label7(makeLabel(QStringLiteral("Label7"), QStringLiteral("Label7"), this)),
      ProgressBar1(new QProgressBar(this)), Timer1(new QTimer(this)),
      Command1(new QPushButton(QStringLiteral("&Close"), this)),
      Picture1(new HorsePicture(1, this)), Line1(new QFrame(this))
{
    setObjectName(QStringLiteral("frmHall"));
    setWindowTitle(QStringLiteral("stallix6 - Hall Of Fame"));
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Line1->setObjectName(QStringLiteral("Line1"));

    QFont headingFont = Label8->font();
    headingFont.setBold(true);
    headingFont.setPointSize(headingFont.pointSize() + 6);
    Label8->setFont(headingFont);
    QFont columnFont = Label4->font();
    columnFont.setBold(true);
    Label4->setFont(columnFont);
    Label5->setFont(columnFont);
    Picture1->setFixedSize(96, 60);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    auto *heading = new QHBoxLayout;
    heading->addWidget(Picture1);
    heading->addWidget(Label8, 1, Qt::AlignVCenter);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->addWidget(Label4, 0, 0, 1, 2);
    grid->addWidget(Label5, 0, 2);
    for (int i = 0; i < 5; ++i) {
        Label3[i] = makeLabel(QStringLiteral("Label3(%1)").arg(i), digits(i + 1), this);
        Label1[i] = makeLabel(QStringLiteral("Label1(%1)").arg(i), QStringLiteral("Label1"), this);
        Label2[i] = makeLabel(QStringLiteral("Label2(%1)").arg(i), QStringLiteral("Label2"), this);
        Label1[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Label1[i]->setMinimumWidth(90);
        Label2[i]->setMinimumWidth(180);
        grid->addWidget(Label3[i], i + 1, 0);
        grid->addWidget(Label1[i], i + 1, 1);
        grid->addWidget(Label2[i], i + 1, 2);
    }
    grid->setColumnStretch(2, 1);

    ProgressBar1->setRange(0, CountdownSeconds);
    ProgressBar1->setTextVisible(false);
    auto *countdown = new QHBoxLayout;
    countdown->addWidget(Label6);
    countdown->addWidget(Label7);
    countdown->addWidget(ProgressBar1, 1);
    countdown->addWidget(Command1);

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(heading);
    outer->addLayout(grid);
    outer->addWidget(Line1);
    outer->addLayout(countdown);

    Timer1->setInterval(999);
    connect(Timer1, &QTimer::timeout, this, &frmHall::Timer1_Timer);
    connect(Command1, &QPushButton::clicked, this, &frmHall::Command1_Click);

    adjustSize();
    centreOnScreen(this);
}

frmHall::~frmHall() = default;

void frmHall::Form_Load()
{
    ProgressBar1->setValue(CountdownSeconds);
    Label7->setText(secondsText(CountdownSeconds));

    HallTable table;
    bool writable = true;
    const Files files = readTable(table);
    if (files != Files::Read) {
        // One rebuild per showing: when the files still cannot be read, or cannot be written,
        // the default table is shown as it stands. A file that could not be read may hold the
        // real entries, so nothing is written over it or its nine neighbours.
        table = HallOfFame::defaultTable();
        writable = files == Files::Rebuild && ValueFile::writeAll(tableFiles(table, 0));
        if (!writable || readTable(table) != Files::Read) {
            table = HallOfFame::defaultTable();
            showTable(table);
        }
        if (files == Files::Unreadable)
            reportReadFailure();
        else if (!writable)
            reportWriteFailure();
    }
    enterPlayer(table, writable);

    // The countdown starts only now: a player still typing a name must not have the window
    // closed under the prompt.
    Timer1->start();
}

void frmHall::Form_Unload()
{
    Timer1->stop();
    // Closed with the main window gone (or hidden), the player is on the way out.
    if (!mainWindowShowing())
        continueWayOut();
}

frmHall::Files frmHall::readTable(HallTable &table)
{
    // Every file is looked at before a rebuild is chosen: one that cannot be read must stop
    // the rebuild even when an earlier score is no number.
    bool rebuild = false;
    bool unreadable = false;
    const auto readFile = [&](const QString &file, QString &value) {
        const ValueFile::Status status = ValueFile::load(gamePath(file), value);
        unreadable = unreadable || status == ValueFile::Status::Unreadable;
        rebuild = rebuild || status == ValueFile::Status::Missing;
    };
    std::array<QString, 5> shown;
    for (int i = 0; i < 5; ++i) {
        QString name = Label2[i]->text();
        readFile(HallOfFame::scoreFile(i), shown[i]);
        readFile(HallOfFame::nameFile(i), name);
        const std::optional<qint32> score = toWhole(shown[i]);
        rebuild = rebuild || !score;
        table[i] = {score.value_or(0), name};
    }
    if (unreadable)
        return Files::Unreadable;
    if (rebuild)
        return Files::Rebuild;
    // The scores are shown as stored, blanks and all.
    for (int i = 0; i < 5; ++i) {
        Label1[i]->setText(shown[i]);
        Label2[i]->setText(table[i].name);
    }
    return Files::Read;
}

void frmHall::showTable(const HallTable &table)
{
    for (int i = 0; i < 5; ++i) {
        Label1[i]->setText(numberText(table[i].score));
        Label2[i]->setText(table[i].name);
    }
}

void frmHall::enterPlayer(HallTable table, bool writable)
{
    const Form2 *main = loadedForm<Form2>();
    if (!main)
        return;
    // A cash that is not a whole number is no score at all.
    const std::optional<qint32> cash = toWhole(main->Text1->text());
    if (!cash || !HallOfFame::qualifyingPosition(table, *cash))
        return;

    const QString name = inputBox(QStringLiteral("Enter Your Name"),
                                  QStringLiteral("You Have A High Score"), main->Txtuser->text());
    // A race may have settled while the name was typed: the score is the cash as it is now.
    main = loadedForm<Form2>();
    const std::optional<qint32> score = main ? toWhole(main->Text1->text()) : cash;
    const std::optional<int> k =
        score ? HallOfFame::qualifyingPosition(table, *score) : std::nullopt;
    if (!k)
        return;

    for (int row = 4; row > *k; --row) {
        Label1[row]->setText(Label1[row - 1]->text());
        Label2[row]->setText(Label2[row - 1]->text());
    }
    Label2[*k]->setText(name);
    Label1[*k]->setText(digits(*score));
    table = HallOfFame::insertEntry(table, *k, {*score, name});

    // The rows that moved are written with it, so the next showing lists what this one does.
    if (!writable)
        return;
    if (ValueFile::writeAll(tableFiles(table, *k)))
        msgBox(QStringLiteral("Your on the board"));
    else
        reportWriteFailure();
}

void frmHall::reportWriteFailure()
{
    msgBox(QStringLiteral("The hall of fame could not be saved: the folder %1 cannot be "
                          "written to.")
               .arg(QDir::toNativeSeparators(gamePath(QStringLiteral("\\hall")))),
           MsgIcon::Critical);
}

void frmHall::reportReadFailure()
{
    msgBox(QStringLiteral("The hall of fame could not be read: a file in the folder %1 cannot "
                          "be read. It is left as it is, and nothing is saved to it.")
               .arg(QDir::toNativeSeparators(gamePath(QStringLiteral("\\hall")))),
           MsgIcon::Critical);
}

void frmHall::Timer1_Timer()
{
    ProgressBar1->setValue(ProgressBar1->value() - 1);
    Label7->setText(secondsText(ProgressBar1->value()));
    if (ProgressBar1->value() <= 0)
        Command1_Click();
}

void frmHall::Command1_Click()
{
    unload(this);
}
