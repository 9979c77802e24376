#pragma once

#include "common/registry.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>

class StatusBar;
class WebView;

// The one general web window. Created in credits mode (the local credits page with its
// skip choice) or, when PendingUrl holds an address, in browse mode with an address box.
// On the way out of the game it is the last window: closing it ends the program, and a
// player who asked not to see the credits again never sees it.
class Form10 : public QWidget, public GameForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form10)

public:
    explicit Form10(QWidget *parent = nullptr);
    ~Form10() override;

    void Form_Load() override;
    void Form_Unload() override;

    // The load ended the program instead of showing anything (credits skipped on the way out).
    bool endedProgram() const { return m_ended; }

    QProgressBar *ProgressBar1; // page loading progress, 0 to 100; browse mode only
    QPushButton *Command1;      // "X": saves the skip choice, closes or ends the program
    QPushButton *Command3;      // "<": back one page
    QCheckBox *Check1;          // "Dont Show Credits Again"; credits mode only
    QLineEdit *Text1;           // address box; browse mode only
    QPushButton *Command2;      // "GO": opens the address box's text; browse mode only
    StatusBar *StatusBar1;      // panel 1: the page's status text
    WebView *Webcred;           // the page

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Text1_Change();
    void Webcred_DocumentComplete();
    void Webcred_ProgressChange(int progress);
    void Webcred_StatusTextChange(const QString &text);
    void Form_Resize();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void saveSkipChoice();

    bool m_ended = false;
};

// Shows the web window as the game always does: created, and its mode taken from PendingUrl,
// when it is not open; only brought forward when it is. On the way out of the game (the main
// window gone) this is the credits page that ends the program.
void showForm10();
// PendingUrl := url, then showForm10(). An open window only comes forward and PendingUrl keeps
// the address for the next time the window is created.
void showWebPage(const QString &url);
