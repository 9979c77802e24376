#pragma once

#include "common/registry.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include <array>

class LinkLabel;

// The login window: lists the five user slots, checks the password and hands the chosen
// profile over to the main window. On a first run its load sets up the default profiles.
class frmcontrol : public QWidget, public GameForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmcontrol)

public:
    explicit frmcontrol(QWidget *parent = nullptr);
    ~frmcontrol() override;

    void Form_Load() override;

    // The slot option ticked now: 1..5, or 0 when none is.
    int tickedSlot() const;
    // Option<k> for k = 1..5.
    QRadioButton *slotOption(int k) const;
    // Txthor<k> for k = 1..5.
    QLineEdit *horseBox(int k) const;

    // Seen by the player.
    QListWidget *combo1;    // the five slot names; row r is slot r + 1
    QPushButton *Command9;  // "Select Player": ticks the selected row's slot
    QPushButton *Command6;  // "&Play >": asks for the password or loads the profile
    QLabel *Label3;         // "Enter Password", shown with the password prompt
    QLineEdit *Text11;      // the password being typed, shown as stars
    QPushButton *Command10; // "Confirm Password"
    QPushButton *Command8;  // "More >>": reveals the maintenance area
    QPushButton *Command2;  // "E&xit": ends the program at once
    LinkLabel *Label2;      // "Help?" link
    QLabel *Label1;         // "Maintenance" heading
    QPushButton *Command5;  // "&Re-name User"
    QPushButton *Command7;  // "&Change Password"

    // Never shown; they carry data.
    QRadioButton *Option1; // slot 1 ticked; caption = slot 1's name
    QRadioButton *Option2; // slot 2 ticked; caption = slot 2's name
    QRadioButton *Option3; // slot 3 ticked; caption = slot 3's name
    QRadioButton *Option4; // slot 4 ticked; caption = slot 4's name
    QRadioButton *Option5; // slot 5 ticked; caption = slot 5's name
    QLineEdit *txtPass;    // the stored password the last Play read
    QLineEdit *txtcash;    // cash of the profile being loaded, money text
    QLineEdit *Txtdebt;    // debt of the profile being loaded, money text
    QLineEdit *txtshare;   // share line of the profile being loaded
    QLineEdit *Txthor1;    // horse 1 of the profile being loaded
    QLineEdit *Txthor2;    // horse 2 of the profile being loaded
    QLineEdit *Txthor3;    // horse 3 of the profile being loaded
    QLineEdit *Txthor4;    // horse 4 of the profile being loaded
    QLineEdit *Txthor5;    // horse 5 of the profile being loaded
    QLineEdit *Txtuser;    // player name of the profile being loaded
    QPushButton *Command1; // "Play": its click is the profile load and hand-over
    QPushButton *Command4; // import from the earlier product (first run only)
    QPushButton *Command3; // "Rename User(s)": writes the five slot names
    QTimer *Timer1;        // 1 ms hand-over to the main window

public slots:
    void combo1_Click();
    void Command9_Click();
    void Command6_Click();
    void Command10_Click();
    void Command1_Click();
    void Timer1_Timer();
    void Command2_Click();
    void Command4_Click();
    void Label2_Click();
    void Command8_Click();
    void Command5_Click();
    void Command7_Click();
    // True when the names were written (all but those whose file could not be read at load);
    // a failure has been reported to the player.
    bool Command3_Click();

    void Option1_Click();
    void Option1_GotFocus();
    void Option1_LostFocus();
    void Option2_DblClick();
    void Option2_GotFocus();
    void Option2_LostFocus();
    void Option3_GotFocus();
    void Option3_LostFocus();
    void Option4_GotFocus();
    void Option4_LostFocus();
    void Option5_GotFocus();
    void Option5_LostFocus();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Reads slot k's stored password afresh into txtPass, as Play reads it, and asks for it;
    // a wrong answer gets the `refusal` box. A password file that cannot be read is named in a
    // box saying that, therefore, `refused`, and nothing is asked.
    bool passwordConfirmed(int k, const QString &refusal, const QString &refused);

    // Slots whose name file was there at load but could not be read: their captions show the
    // default name, which must never be written over what the file holds.
    std::array<bool, 5> m_nameUnread{};
};
