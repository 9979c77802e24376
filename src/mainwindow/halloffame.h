#pragma once

#include <QString>

#include <array>
#include <optional>

// One place of the hall of fame: a cash total and the name it was entered under.
struct HallOfFameEntry
{
    qint32 score = 0;
    QString name;
};

// Positions 0 (top) to 4.
using HallTable = std::array<HallOfFameEntry, 5>;

namespace HallOfFame {

// The files of position i (0..4): the score as number text, the name as typed.
QString scoreFile(int position); // "\hall\posit<i>.gir"
QString nameFile(int position);  // "\hall\positnam<i>.gir"

// What a fresh or damaged table starts from: 4990000 down to 4950000, all the maker's.
HallTable defaultTable();

// The highest position whose score the cash beats; an equal cash does not qualify.
std::optional<int> qualifyingPosition(const HallTable &table, qint32 cash);

// The table with `entry` at `position`: the entries from there down move one place lower
// and the last one drops off.
HallTable insertEntry(const HallTable &table, int position, const HallOfFameEntry &entry);

} // namespace HallOfFame
