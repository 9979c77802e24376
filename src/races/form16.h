#pragma once

#include "common/registry.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <array>

// What a player needs to enter the GrandNational. OK unloads it, so each showing loads it
// afresh in the player's currency.
class Form16 : public QWidget, public GameForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form16)

public:
    explicit Form16(QWidget *parent = nullptr);
    ~Form16() override;

    void Form_Load() override;

    QLabel *Label1;                 // "To enter your horse into the Grand National ..."
    QLabel *Label3;                 // "1:"
    std::array<QLabel *, 2> Label2; // (0) currency symbol + "30,000", (1) "2: Shares In A Horse"
    QPushButton *Command1;          // "OK": unloads the notice

public slots:
    void Command1_Click();
};
