#include "racerules.h"

#include "common/maker.h"
#include "common/random.h"

#include <algorithm>
#include <cmath>

std::array<int, 5> raceHeadStarts(int leader)
{
    static constexpr std::array<int, 5> Starts = {2000, 1000, 500, 250, 0};
    std::array<int, 5> byHorse{};
    for (int place = 0; place < 5; ++place)
        byHorse[(leader - 1 + place) % 5] = Starts[place];
    return byHorse;
}

int raceFinishValue(int horse)
{
    return horse == 3 ? 12998 : 12988;
}

qint64 debtInterest(qint64 debt)
{
    // std::nearbyint in the default rounding mode sends a half to the even neighbour.
    return static_cast<qint64>(std::nearbyint(static_cast<double>(debt) / 100.0 * 25.5));
}

int drawLeader()
{
    randomize();
    return drawUpTo(5);
}

int drawAdvert()
{
    randomize();
    return drawUpTo(6);
}

QString makerAddress()
{
    return MakerHost;
}

QString advertText(int n)
{
    switch (n) {
    case 1:
        return QStringLiteral("life is free at ") + makerAddress();
    case 2:
        return QStringLiteral("Get Free Software @ ") + makerAddress();
    case 3:
        return QStringLiteral("Check For Updates At ") + makerAddress();
    case 4:
        return QStringLiteral("Check For Stallix Updates @ ") + makerAddress();
    default:
        return makerAddress();
    }
}

std::optional<Bill> drawBill(int highest)
{
    randomize();
    if (drawUpTo(4) != 2)
        return std::nullopt;
    randomize();
    const int kind = drawUpTo(5);
    randomize();
    const int amount = drawUpTo(highest);
    return Bill{kind, amount};
}

QString billText(int kind)
{
    static const std::array<QString, 5> Charges = {
        QStringLiteral("vet"), QStringLiteral("food"), QStringLiteral("stable"),
        QStringLiteral("transportation"), QStringLiteral("administration")};
    const QString &charge = Charges[static_cast<std::size_t>(std::clamp(kind, 1, 5) - 1)];
    return QStringLiteral("You have been billed for %1 charges. This will cost you ").arg(charge);
}

bool drawDrugTest()
{
    randomize();
    return drawUpTo(3) == 2;
}

int drawDrugFine()
{
    randomize();
    int fine = 0;
    do {
        fine = drawUpTo(30000);
    } while (fine < 15000);
    return fine;
}
