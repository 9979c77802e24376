#pragma once

#include "common/registry.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <chrono>

class FinishLine;
class GrandTrackPicture;
class HorsePicture;

// The GrandNational race window. Start runs the whole race in one go and settles it; the
// window is unloaded at the end, so every race starts afresh from the betting window's bet.
// The settlement lives in frmgrandrace_settlement.cpp.
class Frmgrandrace : public QWidget, public GameForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Frmgrandrace)

public:
    // The least time a move of the race takes, so that the field can be watched on a fast
    // machine; a slower repaint is not waited on. Tests set it to zero.
    static inline std::chrono::microseconds MovePace{2000};

    explicit Frmgrandrace(QWidget *parent = nullptr);
    ~Frmgrandrace() override;

    void Form_Load() override;

    // Runner k = 1..5.
    HorsePicture *horsePicture(int k) const;
    QLabel *nameLabel(int k) const;
    // Horse k's position in twips, the left edge of its picture on the track.
    int position(int k) const;

    QLabel *Label1;              // "The Horse You Have Bet On Is: " + the backed horse
    QLabel *Label2;              // the sponsor's banner
    GrandTrackPicture *Picture1; // the track; holds the horses, names and finishing line
    HorsePicture *Picture2;      // runner 1's horse, lane 1
    HorsePicture *Picture3;      // runner 2's horse
    HorsePicture *Picture4;      // runner 3's horse
    HorsePicture *Picture5;      // runner 4's horse
    HorsePicture *Picture6;      // runner 5's horse
    QLabel *Label3;              // runner 1's name, above lane 1
    QLabel *Label4;              // runner 2's name
    QLabel *Label5;              // runner 3's name
    QLabel *Label6;              // runner 4's name
    QLabel *Label7;              // runner 5's name
    FinishLine *Line1;           // the finishing line across lane 1
    FinishLine *Line2;           // across lane 2
    FinishLine *Line3;           // across lane 3
    FinishLine *Line4;           // across lane 4
    FinishLine *Line5;           // across lane 5
    QPushButton *Command1;       // "Start": the race and its settlement

public slots:
    void Command1_Click();

private:
    // Puts horse k's picture at `twips` and paints the track under its old and new place
    // at once, without letting any event through.
    void moveHorse(int k, int twips);
    // Pays out the race won by runner `winner` (1..5).
    void settle(int winner);
};
