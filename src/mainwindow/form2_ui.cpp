#include "form2.h"
#include "toolbaricons.h"

#include "common/linklabel.h"
#include "common/twips.h"

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

namespace {

QLabel *label(const QString &name, const QString &text, QWidget *parent = nullptr)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QLabel *helpText(const QString &name, const QString &text)
{
    QLabel *l = label(name, text);
    l->setWordWrap(true);
    QFont small = l->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    l->setFont(small);
    return l;
}

QPushButton *button(const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(name);
    return b;
}

QRadioButton *option(const QString &name, const QString &caption)
{
    auto *o = new QRadioButton(caption);
    o->setObjectName(name);
    return o;
}

QComboBox *stakeBox(const QString &name)
{
    auto *box = new QComboBox;
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // A stake is what the player types: "1" must not grow into "100" from the list.
    box->setCompleter(nullptr);
    box->setEditText(Form2::StakePlaceholder);
    box->setMinimumContentsLength(22);
    return box;
}

QGroupBox *frame(const QString &title)
{
    auto *box = new QGroupBox(title);
    return box;
}

QAction *menuItem(QMenu *menu, const QString &name, const QString &caption,
                  const QKeySequence &shortcut = QKeySequence())
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

void separator(QMenu *menu, const QString &name)
{
    menu->addSeparator()->setObjectName(name);
}

} // namespace

void Form2::layoutClient()
{
    auto *outer = new QVBoxLayout(m_client);

    // Account status and game information stand above the tabs.
    auto *top = new QHBoxLayout;
    auto *account = frame(QStringLiteral("Your Account Status"));
    account->setObjectName(QStringLiteral("FrameAccount"));
    auto *accountGrid = new QGridLayout(account);
    Label1 = label(QStringLiteral("Label1"), QStringLiteral("Cash £"));
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("Debt £"));
    Text1 = new QLineEdit(QStringLiteral("0"));
    Text1->setObjectName(QStringLiteral("Text1"));
    Text2 = new QLineEdit(QStringLiteral("0"));
    Text2->setObjectName(QStringLiteral("Text2"));
    for (QLineEdit *money : {Text1, Text2}) {
        money->setAlignment(Qt::AlignRight);
        money->setMaximumWidth(110);
    }
    accountGrid->addWidget(Label1, 0, 0);
    accountGrid->addWidget(Text1, 0, 1);
    accountGrid->addWidget(Label2, 1, 0);
    accountGrid->addWidget(Text2, 1, 1);
    top->addWidget(account);

    auto *info = frame(QStringLiteral("Game Information"));
    info->setObjectName(QStringLiteral("FrameInfo"));
    auto *infoBox = new QVBoxLayout(info);
    Label24 = label(QStringLiteral("Label24"), QStringLiteral("Label24"));
    QFont bold = Label24->font();
    bold.setBold(true);
    Label24->setFont(bold);
    Label25 = label(QStringLiteral("Label25"), QStringLiteral("Label25"));
    Label56 = label(QStringLiteral("Label56"), QString());
    Label56->setWordWrap(true);
    Label57 = label(QStringLiteral("Label57"), QStringLiteral("Label56"));
    for (QLabel *l : {Label24, Label25, Label56, Label57})
        infoBox->addWidget(l);
    Label57->hide(); // a working copy of the share line, never shown
    top->addWidget(info, 1);
    outer->addLayout(top);

    SSTab1 = new QTabWidget;
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    auto *betting = new QWidget;
    auto *loans = new QWidget;
    auto *shares = new QWidget;
    auto *infoTab = new QWidget;
    buildBettingTab(betting);
    buildLoansTab(loans);
    buildSharesTab(shares);
    buildInfoTab(infoTab);
    SSTab1->addTab(betting, QStringLiteral("Betting"));
    SSTab1->addTab(loans, QStringLiteral("Loans"));
    SSTab1->addTab(shares, QStringLiteral("Shares"));
    SSTab1->addTab(infoTab, QStringLiteral("Betting Info"));
    outer->addWidget(SSTab1, 1);

    // The save display sits under the tabs and shows only while a save runs.
    auto *saveRow = new QHBoxLayout;
    Label28 = label(QStringLiteral("Label28"), QStringLiteral("Saving"));
    progSave = new QProgressBar;
    progSave->setObjectName(QStringLiteral("progSave"));
    progSave->setRange(0, 30);
    progSave->setValue(0);
    progSave->setTextVisible(false);
    progSave->setMaximumHeight(12);
    progSave->hide();
    saveRow->addWidget(Label28);
    saveRow->addWidget(progSave, 1);
    outer->addLayout(saveRow);
    // "Saving" only makes sense beside a running display.
    Label28->setVisible(false);
}

void Form2::buildBettingTab(QWidget *tab)
{
    auto *layout = new QVBoxLayout(tab);
    auto *bookies = frame(QStringLiteral("The Bookies"));
    bookies->setObjectName(QStringLiteral("FrameBookies"));
    auto *bookiesBox = new QVBoxLayout(bookies);

    auto *stakeRow = new QHBoxLayout;
    Label27 = label(QStringLiteral("Label27"), QStringLiteral("Place Your Stake Here:"));
    Text3 = stakeBox(QStringLiteral("Text3"));
    Text3->installEventFilter(this);
    Label27->setBuddy(Text3);
    Command10 = button(QStringLiteral("Command10"), QStringLiteral("Place Your &Stake"));
    stakeRow->addWidget(Label27);
    stakeRow->addWidget(Text3);
    stakeRow->addWidget(Command10);
    stakeRow->addStretch(1);
    bookiesBox->addLayout(stakeRow);

    auto *horses = frame(QStringLiteral("The Horses For The Next Race"));
    horses->setObjectName(QStringLiteral("FrameHorses"));
    auto *grid = new QGridLayout(horses);
    Label3 = label(QStringLiteral("Label3"),
                   QStringLiteral(" The Horses                     Odds /1     Jockey"), horses);
    Label3->hide(); // the grid's own headings carry the same three columns
    grid->addWidget(label(QStringLiteral("HeadHorses"), QStringLiteral("<b>The Horses</b>")), 0, 0);
    grid->addWidget(label(QStringLiteral("HeadOdds"), QStringLiteral("<b>Odds /1</b>")), 0, 1);
    grid->addWidget(label(QStringLiteral("HeadJockey"), QStringLiteral("<b>Jockey</b>")), 0, 2);
    Option1 = option(QStringLiteral("Option1"), QStringLiteral("Option1"));
    Option2 = option(QStringLiteral("Option2"), QStringLiteral("Option2"));
    Option3 = option(QStringLiteral("Option3"), QStringLiteral("Option3"));
    Option4 = option(QStringLiteral("Option4"), QStringLiteral("Option4"));
    Option5 = option(QStringLiteral("Option5"), QStringLiteral("Option5"));
    Label4 = label(QStringLiteral("Label4"), QStringLiteral("0"));
    Label5 = label(QStringLiteral("Label5"), QStringLiteral("0"));
    Label6 = label(QStringLiteral("Label6"), QStringLiteral("0"));
    Label7 = label(QStringLiteral("Label7"), QStringLiteral("0"));
    Label8 = label(QStringLiteral("Label8"), QStringLiteral("0"));
    for (int k = 1; k <= 5; ++k) {
        runner(k)->setEnabled(false);
        Label44[k - 1] = label(QStringLiteral("Label44(%1)").arg(k - 1), QStringLiteral("-"));
        grid->addWidget(runner(k), k, 0);
        grid->addWidget(oddsLabel(k), k, 1);
        grid->addWidget(Label44[k - 1], k, 2);
    }
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 2);
    bookiesBox->addWidget(horses);

    auto *buttons = new QHBoxLayout;
    Command1 = button(QStringLiteral("Command1"), QStringLiteral("Place &Bet On Selected Horse"));
    Command3 = button(QStringLiteral("Command3"), QStringLiteral("&Start The Race"));
    Command9 = button(QStringLiteral("Command9"), QStringLiteral("Tipwells &Hot Tip Is...."));
    Command1->setEnabled(false);
    Command3->setEnabled(false);
    buttons->addWidget(Command1);
    buttons->addWidget(Command3);
    buttons->addWidget(Command9);
    bookiesBox->addLayout(buttons);

    Label39 = new LinkLabel(QStringLiteral("&Cancel Your Bet."));
    Label39->setObjectName(QStringLiteral("Label39"));
    bookiesBox->addWidget(Label39);
    layout->addWidget(bookies);

    Label31 = helpText(
        QStringLiteral("Label31"),
        QStringLiteral("Enter the amount of money that you wish to bet above (You cannot place "
                       "more than 800 on any race). Then select the horse that you wish to win. "
                       "Then select 'Bet On Selected Horse'. Once selected then go to 'Start "
                       "Race' to start this race"));
    layout->addWidget(Label31);
    layout->addStretch(1);
}

void Form2::buildLoansTab(QWidget *tab)
{
    auto *layout = new QVBoxLayout(tab);
    auto *loans = frame(QStringLiteral("Short Of Cash | Or Feeling Flush? Welcome To Loans"));
    loans->setObjectName(QStringLiteral("FrameLoans"));
    auto *box = new QVBoxLayout(loans);
    Label34 = helpText(
        QStringLiteral("Label34"),
        QStringLiteral("Here is where you can borrow money if you are short of cash. Simply enter "
                       "the amount you wish to borrow (you can only borrow upto 2,000 a time) then "
                       "select 'Borrow'. If you wish to pay some money back to the bank then enter "
                       "the amount you wish to pay back and select 'Pay Back To Bank'. Your "
                       "account will then be debited or credited with the amount selected."));
    box->addWidget(Label34);

    auto *row = new QHBoxLayout;
    Text10 = new QLineEdit(QStringLiteral("Enter Amount"));
    Text10->setObjectName(QStringLiteral("Text10"));
    Text10->setMaximumWidth(140);
    Text10->installEventFilter(this);
    Command6 = button(QStringLiteral("Command6"), QStringLiteral("&Borrow"));
    Command7 = button(QStringLiteral("Command7"), QStringLiteral("&Pay Back To Bank"));
    row->addWidget(Text10);
    row->addWidget(Command6);
    row->addWidget(Command7);
    row->addStretch(1);
    box->addLayout(row);

    Label22 = label(QStringLiteral("Label22"), QStringLiteral("Low Interest Rates at 25.5%"));
    QFont bold = Label22->font();
    bold.setBold(true);
    Label22->setFont(bold);
    box->addWidget(Label22);
    auto *lender = new QHBoxLayout;
    Label50 = label(QStringLiteral("Label50"), QStringLiteral("Loans Provided By:"));
    auto *bank = label(QStringLiteral("LenderName"), QStringLiteral("<i>Furlong Savings Bank</i>"));
    Label33 = label(QStringLiteral("Label33"), QStringLiteral("Help?"));
    lender->addWidget(Label50);
    lender->addWidget(bank);
    lender->addStretch(1);
    lender->addWidget(Label33);
    box->addLayout(lender);
    layout->addWidget(loans);
    layout->addStretch(1);
}

void Form2::buildSharesTab(QWidget *tab)
{
    auto *layout = new QVBoxLayout(tab);

    auto *holding = frame(QStringLiteral("Your Horse Shares Information"));
    holding->setObjectName(QStringLiteral("FrameHolding"));
    auto *holdingRow = new QHBoxLayout(holding);
    Label15 = label(QStringLiteral("Label15"), QStringLiteral("You Have Shares In"));
    Label16 = label(QStringLiteral("Label16"), QStringLiteral("You Have No Shares"));
    QFont bold = Label16->font();
    bold.setBold(true);
    Label16->setFont(bold);
    Command4 = button(QStringLiteral("Command4"), QStringLiteral("&Check Share Prices"));
    holdingRow->addWidget(Label15);
    holdingRow->addWidget(Label16, 1);
    holdingRow->addWidget(Command4);
    layout->addWidget(holding);

    auto *market = new QHBoxLayout;
    auto *sale = frame(QStringLiteral("Horse For Sale"));
    sale->setObjectName(QStringLiteral("FrameForSale"));
    auto *grid = new QGridLayout(sale);
    Label45 = label(QStringLiteral("Label45"), QStringLiteral("Horse Name"));
    grid->addWidget(Label45, 0, 0);
    grid->addWidget(label(QStringLiteral("HeadCost"), QStringLiteral("Cost")), 0, 1);
    Option6 = option(QStringLiteral("Option6"), QStringLiteral("Option6"));
    Option7 = option(QStringLiteral("Option7"), QStringLiteral("Option7"));
    Option8 = option(QStringLiteral("Option8"), QStringLiteral("Option8"));
    Option9 = option(QStringLiteral("Option9"), QStringLiteral("Option9"));
    Option10 = option(QStringLiteral("Option10"), QStringLiteral("Option10"));
    Label51 = label(QStringLiteral("Label51"), QStringLiteral("0"));
    Label52 = label(QStringLiteral("Label52"), QStringLiteral("0"));
    Label53 = label(QStringLiteral("Label53"), QStringLiteral("0"));
    Label54 = label(QStringLiteral("Label54"), QStringLiteral("0"));
    Label55 = label(QStringLiteral("Label55"), QStringLiteral("0"));
    for (int k = 1; k <= 5; ++k) {
        // The prices stand beside their horses, which the first price check brings up.
        forSale(k)->hide();
        shownPrice(k)->hide();
        grid->addWidget(forSale(k), k, 0);
        grid->addWidget(shownPrice(k), k, 1);
    }
    Label17[0] = label(QStringLiteral("Label17(0)"), QStringLiteral("Horse Price"));
    horsecost1 = label(QStringLiteral("horsecost(1)"), QStringLiteral("0"));
    Label17[0]->hide();
    horsecost1->hide();
    grid->addWidget(Label17[0], 6, 0);
    grid->addWidget(horsecost1, 6, 1);
    Command5 = button(QStringLiteral("Command5"), QStringLiteral("&Buy Selected Horse"));
    Command5->hide();
    grid->addWidget(Command5, 7, 0, 1, 2);
    market->addWidget(sale, 3);

    auto *auction = frame(QStringLiteral("Horse Auction"));
    auction->setObjectName(QStringLiteral("FrameAuction"));
    auto *auctionBox = new QVBoxLayout(auction);
    auto *note = label(QStringLiteral("AuctionNote"),
                       QStringLiteral("When the button below is active you can sell your horse "
                                      "shares to the highest bidder."));
    note->setWordWrap(true);
    Command8 = button(QStringLiteral("Command8"),
                      QStringLiteral("&Sell Your Horse Shares At The Auction"));
    Command8->hide();
    auctionBox->addWidget(note);
    auctionBox->addWidget(Command8);
    auctionBox->addStretch(1);
    market->addWidget(auction, 2);
    layout->addLayout(market);

    Label36 = helpText(
        QStringLiteral("Label36"),
        QStringLiteral("Select 'Check Share Prices' to display the horses that are for sale. Then "
                       "click on any of the horses to see how much they cost. The price of the "
                       "horse will be shown at the bottom of the screen. If you wish to buy any "
                       "horse then select 'Buy' at the top of the screen and if you have enough "
                       "money the horse will be yours. If you wish to sell your horse then simply "
                       "select 'Sell' and you horse will be sold to the highest bidder."));
    layout->addWidget(Label36);
    layout->addStretch(1);
}

void Form2::buildInfoTab(QWidget *tab)
{
    auto *layout = new QVBoxLayout(tab);
    auto *race = frame(QStringLiteral("Information About This Race"));
    race->setObjectName(QStringLiteral("FrameRaceInfo"));
    auto *grid = new QGridLayout(race);
    Label10 = label(QStringLiteral("Label10"), QStringLiteral("Nothing"));
    Label12 = label(QStringLiteral("Label12"), QStringLiteral("Nothing"));
    Label14 = label(QStringLiteral("Label14"), QStringLiteral("None Selected"));
    grid->addWidget(label(QStringLiteral("CaptionStake"), QStringLiteral("Amount You Are Betting")),
                    0, 0);
    grid->addWidget(Label10, 0, 1);
    grid->addWidget(
        label(QStringLiteral("CaptionWinnings"), QStringLiteral("Amount You Will Win, If You Win")),
        1, 0);
    grid->addWidget(Label12, 1, 1);
    grid->addWidget(label(QStringLiteral("CaptionBacked"),
                          QStringLiteral("The Name Of The Horse Your Are Backing")),
                    2, 0);
    grid->addWidget(Label14, 2, 1);
    grid->setColumnStretch(1, 1);
    layout->addWidget(race);
    layout->addStretch(1);
}

void Form2::buildWizardStrip()
{
    wizardStrip = new QFrame(centralWidget());
    wizardStrip->setObjectName(QStringLiteral("wizardStrip"));
    static_cast<QFrame *>(wizardStrip)->setFrameShape(QFrame::StyledPanel);
    auto *box = new QVBoxLayout(wizardStrip);

    Label40 = label(QStringLiteral("Label40"), QStringLiteral("Horse Wizard."));
    QFont title = Label40->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.3);
    Label40->setFont(title);
    Label40->hide();
    Label43 =
        label(QStringLiteral("Label43"), QStringLiteral("The step by step route to placing a bet"));
    Label43->setWordWrap(true);
    Label46 = label(QStringLiteral("Label46"), QStringLiteral("STEP 1:"));
    QFont step = Label46->font();
    step.setBold(true);
    Label46->setFont(step);
    wiz1 = stakeBox(QStringLiteral("wiz1"));
    wiz1->installEventFilter(this);
    Command12 = button(QStringLiteral("Command12"), QStringLiteral("Select Current Stake"));
    Option11 = option(QStringLiteral("Option11"), QStringLiteral("Option11"));
    Option12 = option(QStringLiteral("Option12"), QStringLiteral("Option11"));
    Option13 = option(QStringLiteral("Option13"), QStringLiteral("Option11"));
    Option14 = option(QStringLiteral("Option14"), QStringLiteral("Option11"));
    Option15 = option(QStringLiteral("Option15"), QStringLiteral("Option11"));
    Label47 = label(QStringLiteral("Label47"), QString());
    Label47->setWordWrap(true);
    Label48 = label(QStringLiteral("Label48"), QStringLiteral("0.00"));
    Label49 = label(QStringLiteral("Label49"), QStringLiteral("This is how much you will win"));
    cmdst = button(QStringLiteral("cmdst"), QStringLiteral("Horse Tip"));
    Command19 = button(QStringLiteral("Command19"), QStringLiteral("Select Your Horse"));
    Command17 = button(QStringLiteral("Command17"), QStringLiteral("Start The Race"));
    Check1 = new QCheckBox(QStringLiteral("Don't Show At Start Up"));
    Check1->setObjectName(QStringLiteral("Check1"));
    Command112 = button(QStringLiteral("Command112"), QStringLiteral("Close Wizard"));

    for (QWidget *w : std::initializer_list<QWidget *>{Label40, Label43, Label46, wiz1, Command12})
        box->addWidget(w);
    for (int k = 1; k <= 5; ++k) {
        box->addWidget(wizardRunner(k));
        wizardRunner(k)->hide();
    }
    for (QWidget *w :
         std::initializer_list<QWidget *>{Label47, Label48, Label49, cmdst, Command19, Command17}) {
        box->addWidget(w);
    }
    for (QWidget *w :
         std::initializer_list<QWidget *>{Label48, Label49, cmdst, Command19, Command17})
        w->hide();
    box->addStretch(1);
    box->addWidget(Check1);
    box->addWidget(Command112);
    Command200 = new QPushButton(QStringLiteral("Command11"), wizardStrip);
    Command200->setObjectName(QStringLiteral("Command200"));
    Command200->hide();
    // Closed until the start-up opens it.
    wizardStrip->hide();
}

void Form2::buildMenus()
{
    QMenuBar *bar = menuBar();
    horseact = bar->addMenu(QStringLiteral("&Stallix Actions"));
    horseact->setObjectName(QStringLiteral("horseact"));
    saveme =
        menuItem(horseact, QStringLiteral("saveme"), QStringLiteral("&Save All Data"), Qt::Key_F2);
    rest = menuItem(horseact, QStringLiteral("rest"), QStringLiteral("&Reset All Data"),
                    QKeySequence(Qt::CTRL | Qt::Key_R));
    separator(horseact, QStringLiteral("mnuline"));
    diffuser = menuItem(horseact, QStringLiteral("diffuser"), QStringLiteral("&Log Off..."),
                        QKeySequence(Qt::CTRL | Qt::Key_L));
    separator(horseact, QStringLiteral("qww"));
    exit = menuItem(horseact, QStringLiteral("exit"), QStringLiteral("&Exit"),
                    QKeySequence(Qt::CTRL | Qt::Key_Q));

    national = bar->addMenu(QStringLiteral("&Grand National"));
    national->setObjectName(QStringLiteral("national"));
    gn = national->addMenu(QStringLiteral("Grand National Options"));
    gn->setObjectName(QStringLiteral("gn"));
    sendgn = menuItem(gn, QStringLiteral("sendgn"),
                      QStringLiteral("Send Your Horse To The Grand National"));
    reqgn = menuItem(gn, QStringLiteral("reqgn"),
                     QStringLiteral("What Are The Requirements For The Grand National"));

    // Switched off in the design and never switched on: shown greyed.
    honline = bar->addMenu(QStringLiteral("&Stallix On-line"));
    honline->setObjectName(QStringLiteral("honline"));
    hconnect = menuItem(honline, QStringLiteral("hconnect"), QStringLiteral("&Connect"));
    honline->setEnabled(false);
    honline->menuAction()->setEnabled(false);
    cntrl = bar->addAction(QStringLiteral("&MultiUser"));
    cntrl->setObjectName(QStringLiteral("cntrl"));
    cntrl->setEnabled(false);

    mnuTools = bar->addMenu(QStringLiteral("&Tools"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    mnuShowhall =
        menuItem(mnuTools, QStringLiteral("mnuShowhall"), QStringLiteral("&Show Hall Of Fame"));
    mnuCredit = menuItem(mnuTools, QStringLiteral("mnuCredit"), QStringLiteral("Show &Credits"));
    separator(mnuTools, QStringLiteral("fgdfgg"));
    backup = menuItem(mnuTools, QStringLiteral("backup"), QStringLiteral("&Back Up / Restore"),
                      Qt::Key_F9);
    separator(mnuTools, QStringLiteral("line"));
    update = menuItem(mnuTools, QStringLiteral("update"), QStringLiteral("&Check For Updates"));
    separator(mnuTools, QStringLiteral("fine"));
    mnuoption = menuItem(mnuTools, QStringLiteral("mnuoption"), QStringLiteral("&Options"),
                         QKeySequence(Qt::CTRL | Qt::Key_O));

    mnuabout = bar->addMenu(QStringLiteral("&Help"));
    mnuabout->setObjectName(QStringLiteral("mnuabout"));
    about = menuItem(mnuabout, QStringLiteral("about"), QStringLiteral("&About"));
    what = menuItem(mnuabout, QStringLiteral("what"), QStringLiteral("&Whats New"));
    mnuHelp = menuItem(mnuabout, QStringLiteral("mnuHelp"), QStringLiteral("&Help"), Qt::Key_F1);
}

void Form2::buildToolbar()
{
    Toolbar3 = new QToolBar(QStringLiteral("Toolbar3"), this);
    Toolbar3->setObjectName(QStringLiteral("Toolbar3"));
    Toolbar3->setMovable(false);
    Toolbar3->setContextMenuPolicy(Qt::PreventContextMenu);
    Toolbar3->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Toolbar3->setIconSize(QSize(24, 24));
    addToolBar(Toolbar3);
    struct Button
    {
        const char *caption;
        const char *key;
        const char *tooltip;
    };
    const Button buttons[] = {
        {"Log Off", "Log_Off", "Log Off Current user"},
        {"SAVE", "save", "Save Data For Current User"},
        {"Back Up Retsore", "restore", ""},
        {"Rename Horses", "rename", "Rename Your Horses"},
        {"RESET", "reset", "Reset Your Data"},
        {"QURBA", "qurba", "Qurba On The Internet"},
        {"HELP", "help", "Help"},
    };
    for (const Button &b : buttons) {
        const QString key = QString::fromLatin1(b.key);
        QAction *action = Toolbar3->addAction(toolbarIcon(key), QString::fromLatin1(b.caption));
        action->setObjectName(key);
        action->setData(key);
        if (*b.tooltip != '\0') {
            action->setToolTip(QString::fromLatin1(b.tooltip));
        } else {
            // An empty tooltip would fall back to the caption; this button has none at all.
            action->setToolTip(QStringLiteral(" "));
            withoutToolTip(Toolbar3->widgetForAction(action));
        }
    }
}
