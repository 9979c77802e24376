#pragma once

#include <QString>

#include <array>

// The race card's rules: who rides which runner and the odds of the five runners.

inline const std::array<QString, 5> JockeyNames = {
    QStringLiteral("Hank Morrow"), QStringLiteral("Jed Calloway"), QStringLiteral("Slim The Quick"),
    QStringLiteral("Cody Barlow"), QStringLiteral("Amos Pikeley")};

// The jockey of runner slot 0..4 for a rotation draw r (0..3): 0 and 1 keep the order,
// 2 shifts it by one and 3 by two, so the plain order comes up half the time.
std::array<QString, 5> jockeyOrder(int r);

// The highest odds each runner can be given: runner 1 is always the favourite's place.
inline constexpr std::array<int, 5> OddsRanges = {15, 25, 45, 75, 100};

// Five fresh odds, each drawn 1..range after its own reseed.
std::array<int, 5> drawOdds();

// The tip names runner 1..5, drawn after a reseed.
int drawTip();
