#include "racecard.h"

#include "common/random.h"

std::array<QString, 5> jockeyOrder(int r)
{
    const int shift = r == 2 ? 1 : r == 3 ? 2 : 0;
    std::array<QString, 5> order;
    for (int k = 0; k < 5; ++k)
        order[(k + shift) % 5] = JockeyNames[k];
    return order;
}

std::array<int, 5> drawOdds()
{
    std::array<int, 5> odds{};
    for (int k = 0; k < 5; ++k) {
        randomize();
        odds[k] = drawUpTo(OddsRanges[k]);
    }
    return odds;
}

int drawTip()
{
    randomize();
    return drawUpTo(5);
}
