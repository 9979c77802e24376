#pragma once

#include <QString>

#include <array>
#include <optional>

// Rules of the ordinary race and its settlement, free of widgets. Functions named draw...
// reseed and take their draws through the game's random source, so tests can script them.

// The track, in the race window's units.
constexpr int RaceStep = 10;          // a tick moves its horse this far
constexpr int RaceCounterMax = 13000; // the counters' top
constexpr int RacePictureOffset = 30; // a counter is drawn as a left edge this much further
constexpr int RaceFinishLine = 13320; // where the finish line is drawn on the track
constexpr int DopedStart = 900;       // the doping offer's start position
constexpr int DrugPrice = 1000;
constexpr int OwnersPrize = 10000;

// Head starts for horses 1..5 (index 0 is horse 1) when horse `leader` (1..5) leads:
// 2,000 for the leader, then 1,000, 500, 250 and 0 counting on and wrapping to horse 1.
std::array<int, 5> raceHeadStarts(int leader);

// The counter at which horse 1..5 is declared at the line. Horse 3 runs on to the counters'
// top before it is declared, one tick later than the others.
int raceFinishValue(int horse);

// Interest added to a debt after every race: 25.5 %, worked in double precision and
// rounded to the nearest whole number, a half going to the even neighbour.
qint64 debtInterest(qint64 debt);

// The leader of a race, 1..5, after a reseed.
int drawLeader();

// The advert ticker's draw, 1..6, after a reseed; 6 leaves the advert line as it is.
int drawAdvert();
// Advert text 1..5 of the race window's banner.
QString advertText(int n);
// The maker's web address the adverts name; also the banner's line before the first draw.
QString makerAddress();

constexpr int BillMax = 2000; // the largest bill after an ordinary race

struct Bill
{
    int kind;   // 1..5, see billText
    int amount; // 1..the largest bill
};
// One race in four brings a bill of 1..highest: three draws, each after its own reseed.
std::optional<Bill> drawBill(int highest = BillMax);
// The text of a bill of kind 1..5, up to the amount ("... This will cost you ").
QString billText(int kind);

// One drug test in three is positive; one reseed and one draw.
bool drawDrugTest();
// The fine of a positive test, 15,000..30,000: one reseed, then draws of 1..30,000 until
// one reaches 15,000.
int drawDrugFine();
