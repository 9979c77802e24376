#pragma once

#include "common/registry.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

// The administration panel: sets slot 1's cash and debt, and the cash and debt of the game
// in progress. It closes itself when its bar is full.
class frmadim : public QWidget, public GameForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmadim)

public:
    // The bar fills in this many ticks; the tick is chosen so that the panel stays about
    // fifteen seconds.
    static constexpr int Ticks = 1000;
    static constexpr int TickMs = 15;

    explicit frmadim(QWidget *parent = nullptr);
    ~frmadim() override;

    void Form_Load() override;

    QLabel *Label2;             // "All these actions Will Effect User 1:"
    QLineEdit *Text2;           // slot 1's name; read-only
    QLabel *Label3;             // "User 1 Cash:"
    QLineEdit *Text3;           // cash to apply, any text (the leading number counts)
    QLabel *Label4;             // "User 1 Debt"
    QLineEdit *Text4;           // debt to apply, any text (the leading number counts)
    QPushButton *Command1;      // "Apply"
    QPushButton *Command2;      // "Close"
    QProgressBar *ProgressBar1; // ticks gone, 0..Ticks
    QTimer *Timer1;             // the closing countdown

public slots:
    void Command1_Click();
    void Command2_Click();
    void Timer1_Timer();

protected:
    void paintEvent(QPaintEvent *event) override;
};
