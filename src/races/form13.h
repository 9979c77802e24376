#pragma once

#include "common/registry.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <array>

class HorsePicture;

// The doping offer a share owner gets before a race. Either answer opens the race window;
// closing the offer opens nothing.
class Form13 : public QWidget, public GameForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form13)

public:
    explicit Form13(QWidget *parent = nullptr);
    ~Form13() override;

    void Form_Load() override;

    std::array<QLabel *, 3> Label1;         // (0) the offer, (1) "NOTE: ", (2) the warning
    QLabel *Label3;                         // the price, currency symbol + "1000"
    QLabel *Label2;                         // "Do You Wish To Drug Your Horse?"
    QPushButton *Command1;                  // "YES": buy the drugs
    QPushButton *Command2;                  // "NO": race clean
    std::array<HorsePicture *, 5> Picture2; // the five runners' pictures

public slots:
    void Command1_Click();
    void Command2_Click();
};
