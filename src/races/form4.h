#pragma once

#include "common/registry.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

class BannerPicture;
class FinishLine;
class HorsePicture;
class TrackPicture;

// The race window of an ordinary race. Horse k runs in lane k: its picture, name, counter
// and timer all carry the number k. The settlement lives in form4_settlement.cpp.
class Form4 : public QWidget, public GameForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form4)

public:
    explicit Form4(QWidget *parent = nullptr);
    ~Form4() override;

    void Form_Load() override;
    // The horse timers must not outlive a window closed mid-race: a late tick would settle it.
    void Form_Unload() override;
    void Form_Resize();

    // Horse k = 1..5.
    HorsePicture *horsePicture(int k) const;
    QLabel *nameLabel(int k) const;
    QProgressBar *progressBar(int k) const;
    QTimer *horseTimer(int k) const;

    TrackPicture *Picture7;     // the track; lanes, names, line, start button sit inside it
    HorsePicture *Picture1;     // horse 1's picture, lane 1
    HorsePicture *Picture2;     // horse 2's picture, lane 2
    HorsePicture *Picture3;     // horse 3's picture, lane 3
    HorsePicture *Picture4;     // horse 4's picture, lane 4
    HorsePicture *Picture5;     // horse 5's picture, lane 5
    QLabel *Label1;             // runner 1's name, copied from the main window
    QLabel *Label2;             // runner 2's name
    QLabel *Label3;             // runner 3's name
    QLabel *Label4;             // runner 4's name
    QLabel *Label5;             // runner 5's name
    FinishLine *Line4;          // the finish line, drawn across the lanes
    QPushButton *Command1;      // "Start The Race"
    QTimer *horse1t;            // horse 1's tick, 1 ms, off until the start
    QTimer *horse2t;            // horse 2's tick
    QTimer *horse3t;            // horse 3's tick
    QTimer *horse4t;            // horse 4's tick
    QTimer *horse5t;            // horse 5's tick
    QTimer *Timer1;             // advert ticker, 1,000 ms, runs from creation
    BannerPicture *Picture6;    // advert banner along the window's foot
    QLabel *Label6;             // the advert line
    QLineEdit *Text1;           // doping flag: "" no offer, "1" doped, "0" declined; hidden
    QPushButton *Command3;      // the settlement; hidden
    QPushButton *Command2;      // starts horse 1's timer alone; hidden
    QProgressBar *ProgressBar1; // horse 1's distance run, 0..13,000; hidden
    QProgressBar *ProgressBar2; // horse 2's distance run; hidden
    QProgressBar *ProgressBar3; // horse 3's distance run; hidden
    QProgressBar *ProgressBar4; // horse 4's distance run; hidden
    QProgressBar *ProgressBar5; // horse 5's distance run; hidden

    qint16 winner = 0; // the horse that reached the line, 1..5; 0 until then

public slots:
    void Command1_Click();
    void horse1t_Timer();
    void horse2t_Timer();
    void horse3t_Timer();
    void horse4t_Timer();
    void horse5t_Timer();
    void Timer1_Timer();
    void Command2_Click();
    void Command3_Click();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // One tick of horse k: move it 10 on, or declare it the winner and settle.
    void horseTick(int k);
};
