#pragma once

#include <QFrame>
#include <QPixmap>
#include <QWidget>

// Where things sit on the GrandNational track, in twips from the track's top left corner,
// drawn at the game's usual 15 twips to a pixel.
namespace GrandLayout {
constexpr int Width = 11400; // room beyond the finishing line for the winners to run on
constexpr int LaneStep = 1680;
constexpr int FirstLaneTop = 360;
constexpr int HorseWidth = 1650;
constexpr int HorseHeight = 1050;
constexpr int NameAbove = 330; // a lane's name stands this far above its horse
constexpr int Height = FirstLaneTop + 4 * LaneStep + HorseHeight + 300;

constexpr int laneTop(int horse)
{
    return FirstLaneTop + (horse - 1) * LaneStep;
}
// The fences the field jumps on its way, as left edges.
constexpr int Fences[] = {2700, 4800, 6900};
} // namespace GrandLayout

// The GrandNational course: striped turf in five lanes, a birch fence across each lane at
// every jump, the running rail between lanes.
class GrandTrackPicture : public QFrame
{
    Q_OBJECT

public:
    explicit GrandTrackPicture(QWidget *parent = nullptr);
    ~GrandTrackPicture() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_cache; // the painted course; repainted only when the size changes
};

// The betting window's emblem: a horse clearing a fence under a red rosette.
class GrandEmblem : public QWidget
{
    Q_OBJECT

public:
    explicit GrandEmblem(QWidget *parent = nullptr);
    ~GrandEmblem() override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
