#pragma once

#include "common/twips.h"

#include <QFrame>
#include <QPixmap>
#include <QWidget>

class QPainter;

// The race window's pictures, painted for the game. Track lengths are drawn at three
// quarters of their size (20 twips to a pixel), so that the 13,320-twip run to the finish
// line fits a 1024-pixel screen with room to spare; every track position goes through
// trackPixels so that counters, pictures and the finish line agree.
constexpr int trackPixels(int twips)
{
    return twipsToPixels(twips * 3 / 4);
}

// Where things sit on the track, in twips from the track picture's top left corner.
namespace TrackLayout {
constexpr int Width = 14800;
constexpr int StandHeight = 700; // grandstand strip above the lanes
constexpr int LaneHeight = 1100;
constexpr int FootHeight = 900; // hedge strip below the lanes, where the start button sits
constexpr int Height = StandHeight + 5 * LaneHeight + FootHeight;
constexpr int StartLeft = 120; // a horse's left edge before its first tick
constexpr int HorseWidth = 1240;
constexpr int HorseHeight = 780;
constexpr int NameTop = 20;   // a lane's name, from the lane's top
constexpr int HorseTop = 320; // a lane's horse, from the lane's top

constexpr int laneTop(int horse)
{
    return StandHeight + (horse - 1) * LaneHeight;
}
} // namespace TrackLayout

// A horse with its jockey in the silks of runner 1..5, facing right; `stride` 0 or 1 picks
// one of two gallop poses.
void paintHorse(QPainter &painter, const QRectF &area, int silk, int stride);

// The five-lane track with its grandstand, rails, poles and hedge.
class TrackPicture : public QFrame
{
    Q_OBJECT

public:
    explicit TrackPicture(QWidget *parent = nullptr);
    ~TrackPicture() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_cache; // the painted track; repainted only when the size changes
};

// One horse picture. The gallop pose follows the picture's position, so a moving horse
// strides without any state of its own.
class HorsePicture : public QWidget
{
    Q_OBJECT

public:
    explicit HorsePicture(int silk, QWidget *parent = nullptr);
    ~HorsePicture() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    int m_silk;
};

// The chequered finish line across the lanes.
class FinishLine : public QFrame
{
    Q_OBJECT

public:
    explicit FinishLine(QWidget *parent = nullptr);
    ~FinishLine() override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The advert banner along the window's foot.
class BannerPicture : public QFrame
{
    Q_OBJECT

public:
    explicit BannerPicture(QWidget *parent = nullptr);
    ~BannerPicture() override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
