#pragma once

#include "common/registry.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>

class LinkLabel;

// The about box: version, release date, the maker's notices and a link to its site; "more >"
// lets the box grow once to show the credits that lie below it.
class Form6 : public QWidget, public GameForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form6)

public:
    // The client area as designed, and how much "more >" adds to its height.
    static constexpr int WidthTwips = 5370;
    static constexpr int HeightTwips = 3435;
    static constexpr int MoreTwips = 1500;

    explicit Form6(QWidget *parent = nullptr);
    ~Form6() override;

    void Form_Load() override;

    QTabWidget *SSTab1;    // one tab, "About Stallix": the frame of the box
    QLabel *Picture1;      // the game's emblem
    QLabel *Label4;        // "Version:  " + major.minor.revision, set at load
    QLabel *Label5;        // "Release Date: October 2005"
    QLabel *Label2;        // the maker's rights and support notice
    QLabel *Label6;        // the maker's rights line with the years
    QLabel *Label8;        // the maker's ownership notice and the credit for the web engine
    LinkLabel *Label7;     // the maker's web address; opens it in the web window
    QPushButton *Command3; // "more >": shows the credits, once per opening
    QPushButton *Command1; // "&Close"
    QLabel *Label1;        // the credits, below the client area until "more >"

public slots:
    void Command3_Click();
    void Label7_Click();
    void Command1_Click();
};
