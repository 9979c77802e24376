#include "profileimport.h"

#include "common/dialogs.h"
#include "common/globals.h"
#include "common/paths.h"
#include "common/valuefile.h"
#include "firstrun.h"
#include "userprofile.h"

#include <QDir>

namespace {

const QString Marker = QStringLiteral("c:\\loc.501");
const QString EarlierName = QStringLiteral("\\data\\horname.hor");

const QString Imported =
    QStringLiteral("All User Data As Been Successfully Transfered From Vantrel To Stallix6");
const QString NothingFound = QStringLiteral(
    "No Previous Versions Of Stallix Have Been Detected. Stallix6 Will Continue With Normal "
    "Setup. Please note Stallix6 cannot upgrade from Stallix2002/SE or Before.");

// The earlier product keeps slot 1's name under a name of its own.
QString sourceFile(int slot, const QString &suffix)
{
    if (slot == 1 && suffix == UserProfile::Name)
        return EarlierName;
    return UserProfile::file(slot, suffix);
}

void countSlot(int slot)
{
    if (slot >= 2)
        UserSlot = static_cast<qint16>(slot);
}

ImportResult fallBack(const QString &message)
{
    msgBox(message);
    return writeDefaultProfile(1) ? ImportResult::Fallback : ImportResult::FallbackUnwritten;
}

} // namespace

ImportResult importEarlierProfiles()
{
    QString folder;
    if (!ValueFile::read(windowsPath(Marker), folder))
        return fallBack(NothingFound);

    QList<ValueFile::Entry> copies;
    copies.reserve(50);
    for (int slot = 1; slot <= 5; ++slot) {
        countSlot(slot);
        for (const QString &suffix : UserProfile::allSuffixes()) {
            QString value;
            if (!ValueFile::read(windowsPath(folder + sourceFile(slot, suffix)), value))
                return fallBack(NothingFound);
            copies.append({gamePath(UserProfile::file(slot, suffix)), value});
        }
    }

    // All fifty or none: a write that fails leaves every target as it was. The earlier
    // product was found, so saying that none was would send the player looking elsewhere.
    if (!ValueFile::writeAll(copies)) {
        return fallBack(
            QStringLiteral("The player profiles of Vantrel were found but could not be copied: "
                           "the folder \"%1\" cannot be written to. Stallix6 will continue "
                           "with normal setup.")
                .arg(QDir::toNativeSeparators(gamePath(QStringLiteral("\\data")))));
    }
    UserSlot = 6;
    msgBox(Imported);
    return ImportResult::Imported;
}
