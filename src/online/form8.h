#pragma once

#include "common/registry.h"

#include <QGroupBox>
#include <QPushButton>
#include <QWidget>

class LinkLabel;

// The update notice: the server has a version that is not ours, and the download page is
// one click away.
class Form8 : public QWidget, public GameForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form8)

public:
    explicit Form8(QWidget *parent = nullptr);
    ~Form8() override;

    void Form_Load() override;

    QGroupBox *Frame1;     // "STALLIX UPDATE MANAGER - "
    LinkLabel *Label1;     // where the new version waits; opens the download page
    QPushButton *Command1; // "Download": opens the download page, closes the notice
    QPushButton *Command2; // "i'll download later": closes the notice

public slots:
    void Command1_Click();
    void Command2_Click();
    void Label1_Click();
};
