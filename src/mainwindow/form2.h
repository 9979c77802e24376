#pragma once

#include "common/registry.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

#include <array>
#include <optional>

class LinkLabel;
class StatusBar;

// The main window. Its controls are the game state: cash, debt, slot, runners, odds,
// the bet and the currency are their texts, and every other window reads and writes them.
// The handlers are spread over form2_*.cpp files, one concern each.
class Form2 : public QMainWindow, public GameForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form2)

public:
    // The width the window has without the wizard strip, and the strip's width, in twips.
    static constexpr int NormalWidthTwips = 11250;
    static constexpr int WizardStripTwips = 4000;
    // What both stake boxes show until a stake is typed or picked.
    static inline const QString StakePlaceholder = QStringLiteral("Enter Your Stake......");
    // "1" opens the wizard panel at the next start-up.
    static inline const QString WizardFlagFile = QStringLiteral("\\data\\hwiz04.dll");

    explicit Form2(QWidget *parent = nullptr);
    ~Form2() override;

    void Form_Load() override;
    void Form_Unload() override;

    // Writes the logged-in slot's eight files from the fields and runs the save display.
    void horsesave();
    // The same files, silently; leaves UserSlot alone.
    void horsesavenoname();
    // After a restore the profile files hold what the next start must load: from then on
    // neither save writes anything.
    void stopSaving();

    // Runner k (1..5): its button, its odds label, its wizard button, its for-sale button.
    QRadioButton *runner(int k) const;
    // The captions of runners 1..5: the player's horses.
    std::array<QString, 5> runnerNames() const;
    QLabel *oddsLabel(int k) const;
    QRadioButton *wizardRunner(int k) const;
    QRadioButton *forSale(int k) const;
    QLineEdit *priceBox(int k) const;
    QLabel *shownPrice(int k) const;
    StatusBar *statusBar1() const { return StatusBar1; }

    // --- game state (who writes and reads each is noted where it is used) ---
    QLabel *Label23{};                 // user slot "1".."5"; design "Label23"; hidden
    QLineEdit *Txtuser{};              // player's name; working field, hidden
    QLabel *Label24{};                 // greeting "Welcome: " + name
    QLineEdit *Text1{};                // cash, money text
    QLineEdit *Text2{};                // debt, money text
    QLabel *Label1{};                  // "Cash " + currency symbol
    QLabel *Label2{};                  // "Debt " + currency symbol
    QLabel *Label16{};                 // share line: "You Have No Shares" or the horse's name
    QLabel *Label57{};                 // copy of the share line on "Game Information"
    QRadioButton *Option1{};           // runner 1; caption = horse name
    QRadioButton *Option2{};           // runner 2; caption = horse name
    QRadioButton *Option3{};           // runner 3; caption = horse name
    QRadioButton *Option4{};           // runner 4; caption = horse name
    QRadioButton *Option5{};           // runner 5; caption = horse name
    QLabel *Label4{};                  // odds of runner 1, whole-number text N (N to 1)
    QLabel *Label5{};                  // odds of runner 2
    QLabel *Label6{};                  // odds of runner 3
    QLabel *Label7{};                  // odds of runner 4
    QLabel *Label8{};                  // odds of runner 5
    std::array<QLabel *, 5> Label44{}; // jockeys of runners 1..5
    QLabel *curr{};                    // currency symbol; design "Label27"; hidden
    std::array<QLabel *, 1> Label17{}; // (0): share price heading "Horse Cost " + symbol
    QComboBox *Text3{};                // stake box, editable, list 50..800
    QComboBox *wiz1{};                 // wizard's stake box, list 50..800
    QLabel *Label10{};                 // stake of the bet, text as typed
    QLabel *Label14{};                 // backed horse's name
    QLabel *Label12{};                 // winnings if the backed horse wins
    QLabel *Label56{};                 // tip line
    QLabel *Label25{};                 // "Game Started At: " + time of day
    QLabel *Label26{};                 // working field: lines of the start-tab and country files
    QLabel *Label40{};                 // "Horse Wizard."; shown = wizard panel open
    QLineEdit *Text13{};               // help topic: page path under the program folder; hidden
    QLineEdit *Text11{};               // name of the last race's winner; hidden

    // --- tabs and frames ---
    QTabWidget *SSTab1{}; // "Betting", "Loans", "Shares", "Betting Info"

    // --- betting ---
    QPushButton *Command10{}; // "Place Your &Stake": asks, then the stake check
    QPushButton *Command2{};  // "&Confirm Cash Amount": the stake check; never shown
    QPushButton *Command1{};  // "Place &Bet On Selected Horse"
    QPushButton *Command3{};  // "&Start The Race"
    QPushButton *Command9{};  // "Tipwells &Hot Tip Is....": the tip
    LinkLabel *Label39{};     // "&Cancel Your Bet." link
    QPushButton *Command11{}; // opens the race window directly; never shown
    QLabel *Label27{};        // "Place Your Stake Here:"
    QLabel *Label3{};         // runners' header: name, odds, jockey
    QLabel *Label31{};        // help text of the Betting tab

    // --- betting wizard (the strip beyond the normal width) ---
    QWidget *wizardStrip{};    // the panel's strip, right of the normal client area
    QLabel *Label43{};         // "The step by step route to placing a bet"
    QLabel *Label46{};         // step name "STEP 1:".."STEP 3:"
    QPushButton *Command12{};  // "Select Current Stake": step 1
    QRadioButton *Option11{};  // wizard runner 1
    QRadioButton *Option12{};  // wizard runner 2
    QRadioButton *Option13{};  // wizard runner 3
    QRadioButton *Option14{};  // wizard runner 4
    QRadioButton *Option15{};  // wizard runner 5
    QLabel *Label47{};         // runner line "You Are Going To Place A Bet On: " + name
    QLabel *Label48{};         // winnings in the wizard; design "0.00"
    QLabel *Label49{};         // "This is how much you will win"
    QPushButton *cmdst{};      // "Horse Tip"
    QPushButton *Command19{};  // "Select Your Horse": places the bet, step 3
    QPushButton *Command17{};  // "Start The Race" of step 3
    QCheckBox *Check1{};       // "Don't Show At Start Up"
    QPushButton *Command112{}; // "Close Wizard"
    QPushButton *Command200{}; // the step-2 set-up; never shown

    // --- shares ---
    QLabel *Label15{};        // "You Have Shares In"
    QLineEdit *Text5{};       // drawn price of position 1, digits; hidden
    QLineEdit *Text6{};       // drawn price of position 2; hidden
    QLineEdit *Text7{};       // drawn price of position 3; hidden
    QLineEdit *Text8{};       // drawn price of position 4; hidden
    QLineEdit *Text9{};       // drawn price of position 5; hidden
    QLabel *Label51{};        // shown price of position 1
    QLabel *Label52{};        // shown price of position 2
    QLabel *Label53{};        // shown price of position 3
    QLabel *Label54{};        // shown price of position 4
    QLabel *Label55{};        // shown price of position 5
    QRadioButton *Option6{};  // horse for sale 1
    QRadioButton *Option7{};  // horse for sale 2
    QRadioButton *Option8{};  // horse for sale 3
    QRadioButton *Option9{};  // horse for sale 4
    QRadioButton *Option10{}; // horse for sale 5
    QLabel *Label45{};        // "Horse Name" heading of the for-sale list
    QLabel *horsecost1{};     // horsecost(1): the chosen horse's price; design "0"
    QPushButton *Command4{};  // "&Check Share Prices"
    QPushButton *Command5{};  // "&Buy Selected Horse"
    QPushButton *Command8{};  // "&Sell Your Horse Shares At The Auction"
    QLabel *Label36{};        // help text of the Shares tab

    // --- loans ---
    QLineEdit *Text10{};     // amount to borrow or pay back; design "Enter Amount"
    QPushButton *Command6{}; // "&Borrow"
    QPushButton *Command7{}; // "&Pay Back To Bank"
    QLabel *Label22{};       // "Low Interest Rates at 25.5%"
    QLabel *Label34{};       // help text of the Loans tab
    QLabel *Label50{};       // "Loans Provided By:"
    QLabel *Label33{};       // "Help?"

    // --- save display, timers, status bar ---
    QProgressBar *progSave{}; // save progress, hidden until a save shows it
    QLabel *Label28{};        // "Saving"
    QTimer *Timer1{};         // 20,000 ms idle timer, no effect
    QTimer *Timer2{};         // 1 ms save display tick
    QTimer *Timer3{};         // 2,000 ms: the version check
    StatusBar *StatusBar1{};  // panel 1 clock text, 2 save status, 3 hints

    // --- menus and toolbar ---
    QMenu *horseact{};      // "&Stallix Actions"
    QAction *saveme{};      // "&Save All Data" F2
    QAction *rest{};        // "&Reset All Data" Ctrl+R
    QAction *diffuser{};    // "&Log Off..." Ctrl+L
    QAction *exit{};        // "&Exit" Ctrl+Q
    QMenu *national{};      // "&Grand National"
    QMenu *gn{};            // "Grand National Options"
    QAction *sendgn{};      // "Send Your Horse To The Grand National"
    QAction *reqgn{};       // "What Are The Requirements For The Grand National"
    QMenu *honline{};       // "&Stallix On-line", switched off
    QAction *hconnect{};    // "&Connect"
    QAction *cntrl{};       // "&MultiUser", switched off
    QMenu *mnuTools{};      // "&Tools"
    QAction *mnuShowhall{}; // "&Show Hall Of Fame"
    QAction *mnuCredit{};   // "Show &Credits"
    QAction *backup{};      // "&Back Up / Restore" F9
    QAction *update{};      // "&Check For Updates"
    QAction *mnuoption{};   // "&Options" Ctrl+O
    QMenu *mnuabout{};      // "&Help"
    QAction *about{};       // "&About"
    QAction *what{};        // "&Whats New"
    QAction *mnuHelp{};     // "&Help" F1
    QToolBar *Toolbar3{};   // seven buttons; each action's objectName is its Key

public slots:
    // start-up and saving
    void Command9_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

    // betting
    void Command10_Click();
    void Command2_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Command1_Click();
    void Command3_Click();
    void Command11_Click();
    void Label39_Click();
    void Label39_DragOver();
    void Label39_MouseMove();
    void Label39_MouseUp();
    void Text3_Change();
    void Text3_Click();

    // betting wizard
    void Command12_Click();
    void Command200_Click();
    void Option11_Click();
    void Option12_Click();
    void Option13_Click();
    void Option14_Click();
    void Option15_Click();
    void cmdst_Click();
    void Command19_Click();
    void Command17_Click();
    void Check1_Click();
    void Command112_Click();

    // shares
    void Command4_Click();
    void Command5_Click();
    void Command8_Click();
    void Option6_Click();
    void Option7_Click();
    void Option8_Click();
    void Option9_Click();
    void Option10_Click();

    // loans
    void Command6_Click();
    void Command7_Click();
    void Text10_Click();
    void Text10_GotFocus();
    void Text10_LostFocus();

    // menus and toolbar
    void saveme_Click();
    void rest_Click();
    void diffuser_Click();
    void exit_Click();
    void sendgn_Click();
    void reqgn_Click();
    void hconnect_Click();
    void cntrl_Click();
    void mnuShowhall_Click();
    void mnuCredit_Click();
    void backup_Click();
    void update_Click();
    void mnuoption_Click();
    void about_Click();
    void what_Click();
    void mnuHelp_Click();
    void Toolbar3_ButtonClick(QAction *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildStateFields();
    void buildBettingTab(QWidget *tab);
    void buildLoansTab(QWidget *tab);
    void buildSharesTab(QWidget *tab);
    void buildInfoTab(QWidget *tab);
    void buildWizardStrip();
    void buildMenus();
    void buildToolbar();
    void connectHandlers();
    void layoutClient();

    // The three limits of a stake against the current cash. Shows the refusal and gives
    // nothing, or gives the stake as a whole number without a box.
    std::optional<qint32> stakeWithinLimits(const QString &stake);
    // The wizard strip comes into view with Label40 and goes with it.
    void showWizardStrip(bool open);
    // The runner choice shared by Option1..Option5 (k = 1..5).
    void chooseRunner(int k);
    // The wizard's runner choice (k = 1..5).
    void chooseWizardRunner(int k);
    // The for-sale choice (k = 1..5).
    void chooseForSale(int k);
    // Writes the eight files of the slot as one set; false when they could not be written.
    bool writeProfileFiles(int slot);
    // The one message a save shows when its files could not be written.
    void reportSaveFailure();
    // Cash and debt reach the login window's hidden boxes with every money action.
    void mirrorMoneyToLogin(bool withDebt);

    QWidget *m_client = nullptr;  // the normal client area, NormalWidthTwips wide
    bool m_savingStopped = false; // a restore has written the files the next start loads
};
