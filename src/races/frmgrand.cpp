#include "frmgrand.h"

#include "common/numbers.h"
#include "common/placement.h"
#include "common/plainbutton.h"
#include "common/services.h"
#include "frmgrandrace.h"
#include "grandpictures.h"
#include "grandrules.h"
#include "mainwindow/form2.h"
#include "mainwindow/renaming.h"
#include "profiles/userprofile.h"
#include "racepictures.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QStringList StakeList = {
    QStringLiteral("50"),  QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("250"),
    QStringLiteral("300"), QStringLiteral("400"), QStringLiteral("500"), QStringLiteral("600"),
    QStringLiteral("750"), QStringLiteral("800"), QStringLiteral("900"), QStringLiteral("1000")};

QLabel *makeLabel(const QString &name, const QString &text)
{
    auto *label = new QLabel(text);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel *helpText(const QString &name, const QString &text)
{
    QLabel *label = makeLabel(name, text);
    label->setWordWrap(true);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    label->setFont(small);
    return label;
}

QLabel *helpHeading(int i)
{
    QLabel *label = makeLabel(QStringLiteral("Label32(%1)").arg(i), QStringLiteral("Help?"));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setStyleSheet(QStringLiteral("QLabel { color: rgb(20, 90, 30); }"));
    return label;
}

QPushButton *makeButton(const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(name);
    button->setMinimumWidth(110);
    return button;
}

QRadioButton *makeRunner(int k)
{
    // The share horse's name is the player's: an "&" in it is no access key.
    auto *runner = new PlainRadioButton(QStringLiteral("Option%1").arg(k));
    runner->setObjectName(QStringLiteral("Option%1").arg(k));
    runner->setEnabled(false);
    return runner;
}

QLabel *makeOdds(int k)
{
    QLabel *odds =
        makeLabel(QStringLiteral("Label%1").arg(k + 13), QStringLiteral("Label%1").arg(k + 13));
    odds->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    odds->setMinimumWidth(60);
    return odds;
}

QLineEdit *makeBox(const QString &name)
{
    auto *box = new QLineEdit(name);
    box->setObjectName(name);
    return box;
}

} // namespace

FrmGrand::FrmGrand(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmGrand"));
    setWindowTitle(QStringLiteral("Vantrel - GrandNational"));

    Label1 = makeLabel(QStringLiteral("Label1"), QStringLiteral("username(welcome)"));
    QFont welcome = Label1->font();
    welcome.setBold(true);
    welcome.setPointSizeF(welcome.pointSizeF() * 1.25);
    Label1->setFont(welcome);
    Label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("(time) Game Started Here"));

    Frame1 = new QGroupBox(QStringLiteral("Your Account:"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("Cash £"));
    Label4 = makeLabel(QStringLiteral("Label4"), QStringLiteral("Debt £"));
    Text1 = makeBox(QStringLiteral("Text1"));
    Text2 = makeBox(QStringLiteral("Text2"));
    for (QLineEdit *money : {Text1, Text2}) {
        money->setAlignment(Qt::AlignRight);
        money->setMaximumWidth(120);
    }
    auto *account = new QGridLayout(Frame1);
    account->addWidget(Label3, 0, 0);
    account->addWidget(Text1, 0, 1);
    account->addWidget(Label4, 1, 0);
    account->addWidget(Text2, 1, 1);

    Picture1 = new GrandEmblem;
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFixedSize(150, 78);

    auto *top = new QHBoxLayout;
    top->addWidget(Frame1);
    top->addStretch(1);
    top->addWidget(Picture1, 0, Qt::AlignBottom);

    SSTab1 = new QTabWidget;
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(buildBettingTab(), QStringLiteral("Betting"));
    SSTab1->addTab(buildInfoTab(), QStringLiteral("Betting Info"));
    SSTab1->addTab(buildStartTab(), QStringLiteral("Start The Race"));

    Text4 = makeBox(QStringLiteral("Text4"));

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(14, 12, 14, 12);
    column->addWidget(Label1);
    column->addWidget(Label2);
    column->addLayout(top);
    column->addWidget(SSTab1, 1);
    column->addWidget(Text4);

    setTabOrder(Text3, Command1);
    setTabOrder(Command1, Option1);
    setTabOrder(Option5, Command3);

    setFixedWidth(520);
    adjustSize();
    centreOnScreen(this);

    connect(Text3->lineEdit(), &QLineEdit::textEdited, this, &FrmGrand::Text3_Change);
    connect(Command1, &QPushButton::clicked, this, &FrmGrand::Command1_Click);
    connect(Option1, &QRadioButton::clicked, this, &FrmGrand::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &FrmGrand::Option2_Click);
    connect(Option3, &QRadioButton::clicked, this, &FrmGrand::Option3_Click);
    connect(Option4, &QRadioButton::clicked, this, &FrmGrand::Option4_Click);
    connect(Option5, &QRadioButton::clicked, this, &FrmGrand::Option5_Click);
    connect(Command3, &QPushButton::clicked, this, &FrmGrand::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &FrmGrand::Command2_Click);
}

FrmGrand::~FrmGrand() = default;

QWidget *FrmGrand::buildBettingTab()
{
    auto *tab = new QWidget;
    Text3 = new QComboBox;
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setEditable(true);
    Text3->setInsertPolicy(QComboBox::NoInsert);
    // A stake is what the player types: "1" must not grow into "100" from the list.
    Text3->setCompleter(nullptr);
    Text3->setEditText(StakePlaceholder);
    Text3->setMinimumContentsLength(16);
    Text3->installEventFilter(this);
    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("Confirm"));
    auto *stakeRow = new QHBoxLayout;
    stakeRow->addWidget(Text3);
    stakeRow->addWidget(Command1);
    stakeRow->addStretch(1);

    Frame4 = new QGroupBox(QStringLiteral("Select The Horse You Wish To Bet On:"));
    Frame4->setObjectName(QStringLiteral("Frame4"));
    Option1 = makeRunner(1);
    Option2 = makeRunner(2);
    Option3 = makeRunner(3);
    Option4 = makeRunner(4);
    Option5 = makeRunner(5);
    Label13 = makeLabel(QStringLiteral("Label13"), QStringLiteral("Odd/1"));
    Label13->setAlignment(Qt::AlignRight);
    QFont bold = Label13->font();
    bold.setBold(true);
    Label13->setFont(bold);
    Label14 = makeOdds(1);
    Label15 = makeOdds(2);
    Label16 = makeOdds(3);
    Label17 = makeOdds(4);
    Label18 = makeOdds(5);
    auto *field = new QGridLayout(Frame4);
    field->addWidget(Label13, 0, 1);
    for (int k = 1; k <= 5; ++k) {
        field->addWidget(runner(k), k, 0);
        field->addWidget(oddsLabel(k), k, 1);
    }
    field->setColumnStretch(0, 1);

    Command3 = makeButton(QStringLiteral("Command3"), QStringLiteral("Select Horse"));
    Command3->setEnabled(false);
    auto *selectRow = new QHBoxLayout;
    selectRow->addStretch(1);
    selectRow->addWidget(Command3);

    Label32[0] = helpHeading(0);
    Label31 =
        helpText(QStringLiteral("Label31"),
                 QStringLiteral(
                     "Enter the amount of money that you wish to bet above (You cannot place more "
                     "than 500 on any race). Then select the horse that you wish to win. Then "
                     "select 'Select Your Horse'. Once selected then go to 'Start Race' to start "
                     "this race"));

    auto *column = new QVBoxLayout(tab);
    column->addLayout(stakeRow);
    column->addWidget(Frame4);
    column->addLayout(selectRow);
    column->addWidget(Label32[0]);
    column->addWidget(Label31);
    column->addStretch(1);
    return tab;
}

QWidget *FrmGrand::buildInfoTab()
{
    auto *tab = new QWidget;
    Label5 = makeLabel(QStringLiteral("Label5"), QStringLiteral("Amount You Are Staking £"));
    Label10 = makeLabel(QStringLiteral("Label10"), QStringLiteral("0"));
    Label6 = makeLabel(QStringLiteral("Label6"), QStringLiteral("Amount You Will Win £"));
    Label11 = makeLabel(QStringLiteral("Label11"), QStringLiteral("0"));
    Label7 = makeLabel(QStringLiteral("Label7"),
                       QStringLiteral("Name Of The Horse You Are Betting On:"));
    Label12 = makeLabel(QStringLiteral("Label12"), NoHorse);
    Label8 = makeLabel(QStringLiteral("Label8"),
                       QStringLiteral("Name Of Your Horse In Which You Have Shares:"));
    Label9 = makeLabel(QStringLiteral("Label9"), QStringLiteral("ur horsey"));
    auto *grid = new QGridLayout;
    const std::array<std::pair<QLabel *, QLabel *>, 4> rows = {
        {{Label5, Label10}, {Label6, Label11}, {Label7, Label12}, {Label8, Label9}}};
    for (int row = 0; row < 4; ++row) {
        grid->addWidget(rows[row].first, row, 0);
        grid->addWidget(rows[row].second, row, 1);
        QFont bold = rows[row].second->font();
        bold.setBold(true);
        rows[row].second->setFont(bold);
    }
    grid->setColumnStretch(1, 1);

    Label32[1] = helpHeading(1);
    Label38 = helpText(
        QStringLiteral("Label38"),
        QStringLiteral("This will just show you the information about which horse you are betting "
                       "on and how much you are risking on the race. It also tells you which horse "
                       "you have shares in and how much money you will win if the horse you bet "
                       "on wins"));

    auto *column = new QVBoxLayout(tab);
    column->addLayout(grid);
    column->addSpacing(10);
    column->addWidget(Label32[1]);
    column->addWidget(Label38);
    column->addStretch(1);
    return tab;
}

QWidget *FrmGrand::buildStartTab()
{
    auto *tab = new QWidget;
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("Start The Race"));
    Command2->setEnabled(false);
    Command2->setMinimumHeight(34);
    Image1 = new HorsePicture(1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(132, 84);
    auto *startRow = new QHBoxLayout;
    startRow->addWidget(Command2, 0, Qt::AlignVCenter);
    startRow->addStretch(1);
    startRow->addWidget(Image1);

    Label32[2] = helpHeading(2);
    Label42 = helpText(
        QStringLiteral("Label42"),
        QStringLiteral("Once you have placed a bet then you must select 'Start The Race' for the "
                       "race to start and for the horses to run. Also to see if your horse wins "
                       "the race. Good Luck!"));

    auto *column = new QVBoxLayout(tab);
    column->addLayout(startRow);
    column->addWidget(Label32[2]);
    column->addWidget(Label42);
    column->addStretch(1);
    return tab;
}

void FrmGrand::Form_Load()
{
    {
        // Filling the list is no typed change, and the box keeps its design text.
        const QSignalBlocker quiet(Text3);
        Text3->addItems(StakeList);
        Text3->setCurrentIndex(-1);
        Text3->setEditText(StakePlaceholder);
    }

    // Only the main window's entry opens this window; without a player the design texts stay.
    const Form2 *main = loadedForm<Form2>();
    if (!main)
        return;
    Label3->setText(QStringLiteral("Cash ") + main->curr->text());
    Label4->setText(QStringLiteral("Debt ") + main->curr->text());
    Label2->setText(QStringLiteral("Game Started At: ")
                    + services().timeOfDay().toString(QStringLiteral("hh:mm:ss")));
    Text2->setText(digits(wholeOrZero(main->Text2->text())));

    // The odds belong to the posts, drawn before the share horse draws its post.
    const std::array<int, 5> odds = drawGrandOdds();
    for (int k = 1; k <= 5; ++k)
        oddsLabel(k)->setText(QString::number(odds[static_cast<std::size_t>(k - 1)]));

    drawField(main);
}

void FrmGrand::Form_Unload()
{
    if (Frmgrandrace *race = loadedForm<Frmgrandrace>())
        unload(race);
}

void FrmGrand::drawField(const Form2 *main)
{
    Label1->setText(QStringLiteral("Welcome To The GrandNational: ") + main->Txtuser->text());
    Label9->setText(main->Label16->text());
    m_shareRunner = lastMatchingRunner(main->runnerNames(), Label9->text());
    const std::array<QString, 5> field = grandField(drawGrandPost(), Label9->text());
    for (int k = 1; k <= 5; ++k)
        runner(k)->setText(field[static_cast<std::size_t>(k - 1)]);
}

void FrmGrand::enterPlayer(const Form2 *main)
{
    if (Label9->text() != main->Label16->text()) {
        // Another player, or a share sold and bought: the owner's prize must follow the
        // horse this player owns, and a bet on the old field means nothing in the new one.
        drawField(main);
        clearBet();
    }
    Text1->setText(digits(wholeOrZero(main->Text1->text())));
    Text2->setText(digits(wholeOrZero(main->Text2->text())));
}

bool FrmGrand::stakePending() const
{
    // Confirm shuts the stake box when it takes the stake; only the settlement or a dropped
    // bet opens it again. A race whose Start has been pressed is being settled, not pending.
    const Frmgrandrace *race = loadedForm<Frmgrandrace>();
    return !Text3->isEnabled() && !(race && !race->Command1->isEnabled());
}

bool FrmGrand::shareStillHeld(const Form2 *main) const
{
    const QString shareLine = main->Label16->text();
    if (m_shareRunner == 0)
        return shareLine == Label9->text();
    // Renaming moves the share line with its runner; a sale empties it, a purchase names
    // another runner.
    return shareLine != UserProfile::NoShares
           && lastMatchingRunner(main->runnerNames(), shareLine) == m_shareRunner;
}

void FrmGrand::returnStake(Form2 *main)
{
    if (!stakePending())
        return;
    main->Text1->setText(
        moneyText(qint64{wholeOrZero(main->Text1->text())} + wholeOrZero(Label10->text())));
    Text1->setText(main->Text1->text());
    clearBet();
}

void FrmGrand::clearBet()
{
    Label10->setText(QStringLiteral("0"));
    Label11->setText(QStringLiteral("0"));
    Label12->setText(NoHorse);
    Text3->setEnabled(true);
    Command1->setEnabled(true);
    for (int k = 1; k <= 5; ++k)
        runner(k)->setEnabled(false);
    Command3->setEnabled(false);
    Command2->setEnabled(false);
}

QRadioButton *FrmGrand::runner(int k) const
{
    return std::array{Option1, Option2, Option3, Option4, Option5}.at(
        static_cast<std::size_t>(k - 1));
}

QLabel *FrmGrand::oddsLabel(int k) const
{
    return std::array{Label14, Label15, Label16, Label17, Label18}.at(
        static_cast<std::size_t>(k - 1));
}

bool FrmGrand::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text3 && event->type() == QEvent::FocusIn
        && Text3->lineEdit()->text() == StakePlaceholder) {
        // The placeholder is there to be typed over: the first key replaces it.
        QTimer::singleShot(0, Text3->lineEdit(), &QLineEdit::selectAll);
    }
    return QWidget::eventFilter(watched, event);
}
