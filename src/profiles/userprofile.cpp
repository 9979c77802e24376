#include "userprofile.h"

namespace UserProfile {

QString horse(int number)
{
    return QStringLiteral("hor%1.hor").arg(number);
}

QString file(int slot, const QString &suffix)
{
    return QStringLiteral("\\data\\user%1%2").arg(slot).arg(suffix);
}

QString shareLine(const QString &fileText)
{
    return fileText.isEmpty() || fileText == QLatin1String("0") ? NoShares : fileText;
}

QString defaultName(int slot)
{
    return slot == 1 ? QStringLiteral("User 1") : QStringLiteral("user%1").arg(slot);
}

QString defaultValue(int slot, const QString &suffix)
{
    if (suffix == Name)
        return defaultName(slot);
    if (suffix == Cash || suffix == Debt)
        return DefaultMoney;
    if (suffix == Share)
        return NoShares;
    if (suffix == Password)
        return DefaultPassword;
    for (int h = 1; h <= 5; ++h) {
        if (suffix == horse(h))
            return DefaultHorses[h - 1];
    }
    return QString();
}

QStringList savedSuffixes()
{
    return {Cash, Debt, Share, horse(1), horse(2), horse(3), horse(4), horse(5)};
}

QStringList allSuffixes()
{
    return QStringList{Name} + savedSuffixes() + QStringList{Password};
}

} // namespace UserProfile
