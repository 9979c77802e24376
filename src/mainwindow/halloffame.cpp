#include "halloffame.h"

namespace HallOfFame {

QString scoreFile(int position)
{
    return QStringLiteral("\\hall\\posit%1.gir").arg(position);
}

QString nameFile(int position)
{
    return QStringLiteral("\\hall\\positnam%1.gir").arg(position);
}

HallTable defaultTable()
{
    HallTable table;
    for (int i = 0; i < 5; ++i)
        table[i] = {5000000 - 10000 * (i + 1), QStringLiteral("Tellary Networks")};
    return table;
}

std::optional<int> qualifyingPosition(const HallTable &table, qint32 cash)
{
    for (int k = 0; k < 5; ++k) {
        if (cash > table[k].score)
            return k;
    }
    return std::nullopt;
}

HallTable insertEntry(const HallTable &table, int position, const HallOfFameEntry &entry)
{
    HallTable result = table;
    for (int row = 4; row > position; --row)
        result[row] = table[row - 1];
    result[position] = entry;
    return result;
}

} // namespace HallOfFame
