#pragma once

#include <array>

// The share market's prices: what each of the five runner positions may cost, and what the
// auction pays for a share.

// Position k (0..4) is drawn 1..range and must come out at or above its floor; the favourite's
// place is the dearest.
inline constexpr std::array<int, 5> SharePriceRanges = {50000, 40000, 30000, 26000, 20000};
inline constexpr std::array<int, 5> SharePriceFloors = {25000, 20000, 18000, 15000, 13000};

// The auction pays 1..AuctionRange, but never AuctionFloor or less.
inline constexpr int AuctionRange = 25000;
inline constexpr int AuctionFloor = 10000;

// Five prices, all drawn afresh (each after its own reseed) until every one is at or above
// its floor.
std::array<int, 5> drawSharePrices();

// A sale price in AuctionFloor + 1 .. AuctionRange.
int drawAuctionPrice();
