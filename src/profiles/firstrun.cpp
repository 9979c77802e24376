#include "firstrun.h"

#include "common/paths.h"
#include "common/valuefile.h"
#include "userprofile.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Lies in data/ from the start of a first run until its import has ended. The name files alone
// cannot tell: the set-up writes four of them before the import writes the first.
const QString FirstRunUnderWay = QStringLiteral("\\data\\stallix-firstrun.hor");

ValueFile::Entry defaultEntry(int slot, const QString &suffix)
{
    return {gamePath(UserProfile::file(slot, suffix)), UserProfile::defaultValue(slot, suffix)};
}

// Name, cash, debt, share line and horses: the set-up writes passwords on their own.
void addProfileWithoutPassword(QList<ValueFile::Entry> &set, int slot)
{
    for (const QString &suffix : UserProfile::allSuffixes()) {
        if (suffix != UserProfile::Password)
            set.append(defaultEntry(slot, suffix));
    }
}

} // namespace

bool isFirstRun()
{
    if (QFileInfo::exists(gamePath(FirstRunUnderWay)))
        return true;
    for (int slot = 1; slot <= 5; ++slot) {
        if (QFileInfo::exists(gamePath(UserProfile::file(slot, UserProfile::Name))))
            return false;
    }
    return true;
}

bool beginFirstRun()
{
    return ValueFile::write(gamePath(FirstRunUnderWay), QStringLiteral("1"));
}

void finishFirstRun()
{
    QFile::remove(gamePath(FirstRunUnderWay));
}

bool writeFirstRunDefaults()
{
    // One set: a set-up cut short (a full disk) leaves no name file, so the next start is
    // still a first run instead of a half-made one.
    QList<ValueFile::Entry> set;
    for (int slot = 1; slot <= 5; ++slot)
        set.append(defaultEntry(slot, UserProfile::Password));
    for (int slot = 2; slot <= 5; ++slot)
        addProfileWithoutPassword(set, slot);
    return ValueFile::writeAll(set);
}

bool writeDefaultProfile(int slot)
{
    QList<ValueFile::Entry> set{defaultEntry(slot, UserProfile::Password)};
    addProfileWithoutPassword(set, slot);
    return ValueFile::writeAll(set);
}

QString readProfileFile(int slot, const QString &suffix)
{
    QStringList values;
    QString unreadable;
    readProfileFiles(slot, {suffix}, values, unreadable);
    return values.first();
}

bool readProfileFiles(int slot, const QStringList &suffixes, QStringList &values,
                      QString &unreadable)
{
    values.clear();
    QList<ValueFile::Entry> missing;
    bool allRead = true;
    for (const QString &suffix : suffixes) {
        const QString path = gamePath(UserProfile::file(slot, suffix));
        QString value;
        const ValueFile::Status status = ValueFile::load(path, value);
        if (status != ValueFile::Status::Read)
            value = UserProfile::defaultValue(slot, suffix);
        if (status == ValueFile::Status::Missing)
            missing.append({path, value});
        if (status == ValueFile::Status::Unreadable && allRead) {
            unreadable = UserProfile::file(slot, suffix);
            allRead = false;
        }
        values << value;
    }
    // A file that exists but cannot be read may still hold the player's data: then nothing
    // is written at all. Only files that are really gone get their defaults back.
    if (allRead) {
        for (const ValueFile::Entry &entry : missing)
            ValueFile::write(entry.path, entry.text);
    }
    return allRead;
}
