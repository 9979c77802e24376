#include "profileimport.h"

#include "common/dialogs.h"
#include "common/globals.h"
#include "common/paths.h"
#include "common/valuefile.h"
#include "firstrun.h"
#include "userprofile.h"

#include <vector>

namespace {

const QString Marker = QStringLiteral("c:\\loc.501");
const QString EarlierName = QStringLiteral("\\data\\horname.hor");

const QString Imported =
    QStringLiteral("All User Data As Been Successfully Transfered From Vantrel To Stallix6");
const QString NothingFound = QStringLiteral(
    "No Previous Versions Of Stallix Have Been Detected. Stallix6 Will Continue With Normal "
    "Setup. Please note Stallix6 cannot upgrade from Stallix2002/SE or Before.");

struct Copy
{
    int slot;
    QString target; // absolute path under the program folder
    QString value;
};

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

ImportResult fallBack()
{
    msgBox(NothingFound);
    writeDefaultProfile(1);
    return ImportResult::Fallback;
}

} // namespace

ImportResult importEarlierProfiles()
{
    QString folder;
    if (!ValueFile::read(windowsPath(Marker), folder))
        return fallBack();

    std::vector<Copy> copies;
    copies.reserve(50);
    for (int slot = 1; slot <= 5; ++slot) {
        countSlot(slot);
        for (const QString &suffix : UserProfile::allSuffixes()) {
            QString value;
            if (!ValueFile::read(windowsPath(folder + sourceFile(slot, suffix)), value))
                return fallBack();
            copies.push_back(Copy{slot, gamePath(UserProfile::file(slot, suffix)), value});
        }
    }

    for (const Copy &copy : copies) {
        countSlot(copy.slot);
        if (!ValueFile::write(copy.target, copy.value))
            return fallBack();
    }
    UserSlot = 6;
    msgBox(Imported);
    return ImportResult::Imported;
}
