#pragma once

#include "common/registry.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <array>

class HorsePicture;

// The horse options: renames the player's five horses (the race card's runners), with three
// ready-made sets of names and the defaults, and sets the start-tab option.
class Form5 : public QWidget, public GameForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form5)

public:
    explicit Form5(QWidget *parent = nullptr);
    ~Form5() override;

    void Form_Load() override;

    QGroupBox *Frame1;                   // "Horse options": holds the rename boxes
    std::array<QLineEdit *, 5> txtHorse; // new names of horses 1..5
    QLabel *Label1;                      // "Rename Horse 1"
    QLabel *Label3;                      // "Rename Horse 2"
    QLabel *Label4;                      // "Rename Horse 3"
    QLabel *Label5;                      // "Rename Horse 4"
    QLabel *Label6;                      // "Rename Horse 5"
    std::array<QRadioButton *, 3> selec; // "Selection 1".."Selection 3": fill in a name set
    QPushButton *Command2;               // "&Reset": fill in the default names
    QPushButton *Command1;               // "&OK": rename the runners and close
    QPushButton *Command4;               // "&Close": close without renaming
    QPushButton *Command3;               // no caption: writes the start-tab option
    HorsePicture *Picture1;              // decoration

public slots:
    void selec_Click(int index);
    void Command2_Click();
    void Command1_Click();
    void Command4_Click();
    void Command3_Click();
};
