#include "firstrun.h"

#include "common/paths.h"
#include "common/valuefile.h"
#include "userprofile.h"

#include <QFileInfo>

namespace {

bool writeDefault(int slot, const QString &suffix)
{
    return ValueFile::write(gamePath(UserProfile::file(slot, suffix)),
                            UserProfile::defaultValue(slot, suffix));
}

// Name, cash, debt, share line and horses: the set-up writes passwords on their own.
bool writeProfileWithoutPassword(int slot)
{
    bool ok = true;
    for (const QString &suffix : UserProfile::allSuffixes()) {
        if (suffix != UserProfile::Password)
            ok = writeDefault(slot, suffix) && ok;
    }
    return ok;
}

} // namespace

bool isFirstRun()
{
    for (int slot = 1; slot <= 5; ++slot) {
        if (QFileInfo::exists(gamePath(UserProfile::file(slot, UserProfile::Name))))
            return false;
    }
    return true;
}

bool writeFirstRunDefaults()
{
    bool ok = true;
    for (int slot = 1; slot <= 5; ++slot)
        ok = writeDefault(slot, UserProfile::Password) && ok;
    for (int slot = 2; slot <= 5; ++slot)
        ok = writeProfileWithoutPassword(slot) && ok;
    return ok;
}

bool writeDefaultProfile(int slot)
{
    const bool password = writeDefault(slot, UserProfile::Password);
    return writeProfileWithoutPassword(slot) && password;
}

QString readProfileFile(int slot, const QString &suffix)
{
    const QString path = gamePath(UserProfile::file(slot, suffix));
    QString value;
    if (ValueFile::read(path, value))
        return value;
    value = UserProfile::defaultValue(slot, suffix);
    // Only a file that is really gone is recreated; one that exists but cannot be read may
    // still hold the player's data.
    if (!QFileInfo::exists(path))
        ValueFile::write(path, value);
    return value;
}
