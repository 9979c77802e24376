#pragma once

#include "common/registry.h"
#include "halloffame.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <array>

class HorsePicture;

// The hall of fame: the five best cash totals, a place for the player whose cash beats one,
// and a ten-second countdown. Opened from the menu, and on the way out of the game.
class frmHall : public QWidget, public GameForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmHall)

public:
    explicit frmHall(QWidget *parent = nullptr);
    ~frmHall() override;

    void Form_Load() override;
    void Form_Unload() override;

    QLabel *Label8;                 // "Hall Of Fame" heading
    QLabel *Label4;                 // "Position And Cash" column heading
    QLabel *Label5;                 // "Name" column heading
    std::array<QLabel *, 5> Label3; // row numbers "1".."5"
    std::array<QLabel *, 5> Label1; // score of positions 0..4, as stored
    std::array<QLabel *, 5> Label2; // name of positions 0..4
    QLabel *Label6;                 // "This screen will close in:"
    QLabel *Label7;                 // seconds left + " seconds"
    QProgressBar *ProgressBar1;     // seconds left, 10 down to 0
    QTimer *Timer1;                 // 999 ms countdown tick
    QPushButton *Command1;          // "&Close"
    HorsePicture *Picture1;         // decoration
    QFrame *Line1;                  // decoration

public slots:
    void Timer1_Timer();
    void Command1_Click();

private:
    enum class Files {
        Read,      // the table holds what the files hold
        Rebuild,   // a file is missing or a score is no number: the default table replaces all
        Unreadable // a file is there but cannot be read: it may hold real entries
    };
    // The table as the files hold it, read into the labels only when every file was read.
    Files readTable(HallTable &table);
    void showTable(const HallTable &table);
    // The player's entry, when the main window's cash beats a score. `writable` is false when
    // the hall folder has already refused the default table.
    void enterPlayer(HallTable table, bool writable);
    void reportWriteFailure();
    void reportReadFailure();
};

// Where the way out goes after the hall of fame: the credits window, which ends the program
// when it closes, or at once for a player who asked not to see the credits again.
void continueWayOut();
