#pragma once

#include <QString>

#include <array>
#include <functional>

// Rules of the GrandNational, free of widgets. Functions named draw... reseed and take their
// draws through the game's random source, so tests can script them.

constexpr int GrandStakeLimit = 1000;     // the highest stake the betting window takes
constexpr int GrandOwnersPrize = 1000000; // paid when the player's own horse wins
constexpr int GrandBillMax = 20000;       // the largest bill after a GrandNational

// Track positions, in twips: a horse's position is the left edge of its picture.
constexpr int GrandStartLeft = 120;   // every race starts here
constexpr int GrandAllAway = 4500;    // the race cannot end while a horse is below this
constexpr int GrandFinish = 8160;     // only a horse beyond this can win
constexpr int GrandFinishLine = 9360; // where the finishing line is drawn; no part of the rule

// A race ends long before this many cycles; only a random source stuck on one value (a
// scripted test, a broken generator) gets here, and then the race ends all the same.
constexpr qint64 GrandCycleLimit = 10'000'000;

inline const std::array<QString, 4> GrandRivals = {
    QStringLiteral("Super Z"), QStringLiteral("Runaway Heaven"), QStringLiteral("Xtra Mile"),
    QStringLiteral("Billy's Dream")};

// The highest odds of posts 1..5 when the field is drawn; the settlement deals the ordinary
// race card's ranges instead.
inline constexpr std::array<int, 5> GrandOddsRanges = {150, 250, 450, 750, 1000};

// The runners of posts 1..5 when the share horse has drawn post 1..5. The rivals are not
// simply shifted: each post has its own order.
std::array<QString, 5> grandField(int post, const QString &shareHorse);

// The share horse's post, 1..5, after a reseed.
int drawGrandPost();

// Odds for posts 1..5, each drawn 1..GrandOddsRanges after its own reseed.
std::array<int, 5> drawGrandOdds();

using GrandPositions = std::array<int, 5>; // horses 1..5, index 0 is horse 1

// The race goes on while any horse is below GrandAllAway, and after that until one is
// beyond GrandFinish.
bool grandRaceOver(const GrandPositions &positions);

// The highest-numbered horse beyond GrandFinish, whatever the order on the track; 0 when
// none is.
int grandWinner(const GrandPositions &positions);

// One cycle of the race: pick 1..300 and step 1..50, each after its own reseed. Only a pick
// of 1..5 moves a horse, so a cycle moves one with a chance of 5 in 300.
struct GrandMove
{
    int pick;
    int step;
};
GrandMove drawGrandMove();

// Runs a race from the given positions to its end and returns the winner. `moved(k)` is
// called right after horse k has moved, with `positions` already updated. Should the cycle
// limit be reached, the horse furthest on wins (the higher number of two level ones).
int runGrandRace(GrandPositions &positions, const std::function<void(int)> &moved,
                 qint64 cycleLimit = GrandCycleLimit);
