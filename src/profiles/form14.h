#pragma once

#include "common/registry.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

// The first-run window: a parental notice and the country question. Continue records the
// country, which later decides the main window's currency, and opens the login window.
class Form14 : public QWidget, public GameForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form14)

public:
    explicit Form14(QWidget *parent = nullptr);
    ~Form14() override;

    void Form_Load() override;
    void Form_Unload() override;

    QLabel *Picture2;      // the globe, decoration
    QLabel *Label8;        // "Important Information" heading
    QFrame *Shape1;        // frame around the parental notice
    QLabel *Label1;        // "Parental Notice" heading
    QFrame *Line1;         // rule above the notice text
    QLabel *Label5;        // the parental notice
    QFrame *Line2;         // rule below the notice text
    QLabel *Label7;        // caption of the country box
    QComboBox *Comsel;     // the country: a listed one or typed text, stored as it stands
    QPushButton *Command1; // Continue: records the country and opens the login window
    QLabel *Label2;        // footer
    QTimer *Timer1;        // 200 ms: closes the window after it passed straight on to the login

public slots:
    void Command1_Click();
    void Timer1_Timer();
};
