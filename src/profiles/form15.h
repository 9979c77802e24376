#pragma once

#include "common/registry.h"

#include <QPushButton>
#include <QWidget>

// The administration password prompt: one attempt per opening.
class Form15 : public QWidget, public GameForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form15)

public:
    explicit Form15(QWidget *parent = nullptr);
    ~Form15() override;

    QPushButton *Command1; // "Enter": asks for the password

public slots:
    void Command1_Click();
};
