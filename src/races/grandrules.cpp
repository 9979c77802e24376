#include "grandrules.h"

#include "common/random.h"

#include <algorithm>

std::array<QString, 5> grandField(int post, const QString &shareHorse)
{
    // Indexes into GrandRivals for the four other posts, in post order.
    static constexpr std::array<std::array<int, 4>, 5> Rivals = {{
        {0, 1, 2, 3},
        {0, 1, 2, 3},
        {1, 0, 2, 3},
        {2, 1, 0, 3},
        {1, 2, 3, 0},
    }};
    const int share = std::clamp(post, 1, 5);
    const std::array<int, 4> &order = Rivals[static_cast<std::size_t>(share - 1)];
    std::array<QString, 5> field;
    auto rival = order.begin();
    for (int k = 1; k <= 5; ++k)
        field[static_cast<std::size_t>(k - 1)] =
            k == share ? shareHorse : GrandRivals[static_cast<std::size_t>(*rival++)];
    return field;
}

int drawGrandPost()
{
    randomize();
    return drawUpTo(5);
}

std::array<int, 5> drawGrandOdds()
{
    std::array<int, 5> odds{};
    for (std::size_t k = 0; k < odds.size(); ++k) {
        randomize();
        odds[k] = drawUpTo(GrandOddsRanges[k]);
    }
    return odds;
}

bool grandRaceOver(const GrandPositions &positions)
{
    if (std::any_of(positions.begin(), positions.end(), [](int p) { return p < GrandAllAway; }))
        return false;
    return grandWinner(positions) != 0;
}

int grandWinner(const GrandPositions &positions)
{
    int winner = 0;
    for (int k = 1; k <= 5; ++k) {
        if (positions[static_cast<std::size_t>(k - 1)] > GrandFinish)
            winner = k;
    }
    return winner;
}

GrandMove drawGrandMove()
{
    randomize();
    const int pick = drawUpTo(300);
    randomize();
    const int step = drawUpTo(50);
    return GrandMove{pick, step};
}

int runGrandRace(GrandPositions &positions, const std::function<void(int)> &moved,
                 qint64 cycleLimit)
{
    for (qint64 cycle = 0; cycle < cycleLimit; ++cycle) {
        const GrandMove move = drawGrandMove();
        if (move.pick >= 1 && move.pick <= 5) {
            positions[static_cast<std::size_t>(move.pick - 1)] += move.step;
            moved(move.pick);
        }
        if (grandRaceOver(positions))
            return grandWinner(positions);
    }
    int furthest = 1;
    for (int k = 2; k <= 5; ++k) {
        if (positions[static_cast<std::size_t>(k - 1)]
            >= positions[static_cast<std::size_t>(furthest - 1)])
            furthest = k;
    }
    return furthest;
}
