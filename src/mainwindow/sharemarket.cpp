#include "sharemarket.h"

#include "common/random.h"

namespace {
bool allAtOrAboveFloor(const std::array<int, 5> &prices)
{
    for (std::size_t k = 0; k < prices.size(); ++k) {
        if (prices[k] < SharePriceFloors[k])
            return false;
    }
    return true;
}
} // namespace

std::array<int, 5> drawSharePrices()
{
    std::array<int, 5> prices{};
    // One cheap price spoils the whole set: the market is drawn again as a whole, never patched.
    do {
        for (std::size_t k = 0; k < prices.size(); ++k) {
            randomize();
            prices[k] = drawUpTo(SharePriceRanges[k]);
        }
    } while (!allAtOrAboveFloor(prices));
    return prices;
}

int drawAuctionPrice()
{
    int price = 0;
    do {
        randomize();
        price = drawUpTo(AuctionRange);
    } while (price <= AuctionFloor);
    return price;
}
