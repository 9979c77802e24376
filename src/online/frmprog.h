#pragma once

#include "common/registry.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

// "Meet The Programmer": who wrote the game, behind a trigger in the stake box.
class frmprog : public QWidget, public GameForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmprog)

public:
    explicit frmprog(QWidget *parent = nullptr);
    ~frmprog() override;

    QLabel *Picture;       // the programmer's picture
    QLabel *Label1;        // "Name:"
    QLabel *Label2;        // the programmer's name
    QLabel *Label3;        // "Details:"
    QLabel *Label4;        // a few lines about the programmer
    QLabel *Label5;        // "Contact:"
    QLabel *Label6;        // where to write to the programmer
    QPushButton *Command1; // "&Close"

public slots:
    void Command1_Click();
};
