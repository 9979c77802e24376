#pragma once

#include "common/registry.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QWidget>

#include <array>

class Form2;
class GrandEmblem;
class HorsePicture;

// The GrandNational betting window. It is only hidden after a race, so the field and odds
// wait here for the next entry. The main window holds the money: the cash and debt shown here
// are copies, brought up to date at every entry and by every move of money.
class FrmGrand : public QWidget, public GameForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrmGrand)

public:
    static inline const QString StakePlaceholder = QStringLiteral("Enter Bet Amount");
    static inline const QString NoHorse = QStringLiteral("No Horse Selected");

    explicit FrmGrand(QWidget *parent = nullptr);
    ~FrmGrand() override;

    void Form_Load() override;
    // A race window left open would race a bet whose window is gone.
    void Form_Unload() override;

    // The entry has charged the fee: the copies follow the main window, and a player whose
    // share horse is not the one here gets a field of their own.
    void enterPlayer(const Form2 *main);

    // A stake taken by Confirm whose race has not been started.
    bool stakePending() const;
    // The player still holds the share in the horse entered here: the share line names the
    // same runner of theirs as at the entry, under its new name if they renamed it since.
    bool shareStillHeld(const Form2 *main) const;
    // The player leaves (log-off, the way out, Exit) before their save: a pending stake goes
    // back into the main window's cash and the bet is dropped, so it neither waits for the
    // next player nor is lost without a race.
    void returnStake(Form2 *main);

    // Runner k (1..5): its button and its odds label.
    QRadioButton *runner(int k) const;
    QLabel *oddsLabel(int k) const;

    QLabel *Label1;                  // "Welcome To The GrandNational: " + the player's name
    QLabel *Label2;                  // "Game Started At: " + time of the first load
    QGroupBox *Frame1;               // "Your Account:"
    QLabel *Label3;                  // "Cash " + currency symbol
    QLineEdit *Text1;                // cash copy, digits
    QLabel *Label4;                  // "Debt " + currency symbol
    QLineEdit *Text2;                // debt copy, digits
    GrandEmblem *Picture1;           // the race's emblem; no behaviour
    QTabWidget *SSTab1;              // "Betting", "Betting Info", "Start The Race"
    QComboBox *Text3;                // stake box, editable, list 50..1000
    QPushButton *Command1;           // "Confirm": the stake check
    QGroupBox *Frame4;               // "Select The Horse You Wish To Bet On:"
    QRadioButton *Option1;           // runner 1; caption = horse name
    QRadioButton *Option2;           // runner 2
    QRadioButton *Option3;           // runner 3
    QRadioButton *Option4;           // runner 4
    QRadioButton *Option5;           // runner 5
    QLabel *Label13;                 // "Odd/1", heading of the odds
    QLabel *Label14;                 // odds of runner 1, whole-number text N (N to 1)
    QLabel *Label15;                 // odds of runner 2
    QLabel *Label16;                 // odds of runner 3
    QLabel *Label17;                 // odds of runner 4
    QLabel *Label18;                 // odds of runner 5
    QPushButton *Command3;           // "Select Horse": fixes the runner
    QLabel *Label31;                 // help text of the Betting tab
    QLabel *Label5;                  // "Amount You Are Staking £"
    QLabel *Label10;                 // stake, the stake box's text as accepted
    QLabel *Label6;                  // "Amount You Will Win £"
    QLabel *Label11;                 // winnings, digits: odds times stake
    QLabel *Label7;                  // "Name Of The Horse You Are Betting On:"
    QLabel *Label12;                 // backed horse's name, or "No Horse Selected"
    QLabel *Label8;                  // "Name Of Your Horse In Which You Have Shares:"
    QLabel *Label9;                  // share horse: the main window's share line at the draw
    QLabel *Label38;                 // help text of the Betting Info tab
    QPushButton *Command2;           // "Start The Race": opens the race window
    QLabel *Label42;                 // help text of the Start The Race tab
    std::array<QLabel *, 3> Label32; // "Help?" on each tab; no action
    HorsePicture *Image1;            // a runner on the Start The Race tab; no behaviour
    QLineEdit *Text4;                // name of the last GrandNational's winner

public slots:
    void Text3_Change();
    void Command1_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Command3_Click();
    void Command2_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildBettingTab();
    QWidget *buildInfoTab();
    QWidget *buildStartTab();
    // The welcome line, the share horse and the runners, for the main window's player.
    void drawField(const Form2 *main);
    // Back to the state of a fresh window: no stake, no runner.
    void clearBet();
    void chooseRunner(int k);

    // Which of the player's runners (1..5) the share horse was at the draw; 0 when the share
    // line named none of them.
    int m_shareRunner = 0;
};
