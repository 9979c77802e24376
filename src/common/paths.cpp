#include "paths.h"

#include "services.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

// The shipped pages live in the static core library; naming their initialiser keeps the linker
// from dropping them.
static void registerShippedPages()
{
    Q_INIT_RESOURCE(stallix);
}

namespace {
QString fromEnvironment(const char *name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

// The shipped pages are compiled in, so that a copy without a share folder can stock one.
void stockFromResources(const QString &folder)
{
    registerShippedPages();
    QDirIterator it(QStringLiteral(":/share"), QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = source.mid(QStringLiteral(":/share").size());
        const QString target = folder + relative;
        if (it.fileInfo().isDir()) {
            QDir().mkpath(target);
        } else if (!QFileInfo::exists(target)) {
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::copy(source, target);
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                              | QFile::ReadOther);
        }
    }
}
// A Windows program finds names on drive C whatever their letter case. Each name of the path
// is taken as it stands when it exists (so an exact match wins), else the first name in its
// folder that differs only in case; a name found nowhere is kept as written.
QString onDriveC(const QString &rest)
{
    QString resolved = services().driveC();
    for (const QString &part : rest.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        QString next = resolved + QLatin1Char('/') + part;
        if (!QFileInfo::exists(next)) {
            const QStringList names = QDir(resolved).entryList(
                QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
            for (const QString &name : names) {
                if (name.compare(part, Qt::CaseInsensitive) == 0) {
                    next = resolved + QLatin1Char('/') + name;
                    break;
                }
            }
        }
        resolved = next;
    }
    return resolved;
}

} // namespace

QString resolveProgramFolder()
{
    static const QString folder = [] {
        QString chosen = fromEnvironment("STALLIX_HOME");
        if (chosen.isEmpty()) {
            const QString beside = QCoreApplication::applicationDirPath();
            if (!beside.isEmpty() && QFileInfo(beside + QStringLiteral("/data")).isDir())
                chosen = beside;
        }
        if (chosen.isEmpty()) {
            chosen = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                     + QStringLiteral("/stallix");
        }
        chosen = QDir::cleanPath(QDir(chosen).absolutePath());
        for (const char *sub : {"data", "hall", "whats"})
            QDir().mkpath(chosen + QLatin1Char('/') + QLatin1String(sub));
        stockFromResources(chosen);
        return chosen;
    }();
    return folder;
}

QString resolveDriveC()
{
    const QString overridden = fromEnvironment("STALLIX_DRIVE_C");
    if (!overridden.isEmpty())
        return QDir::cleanPath(overridden);
    QString prefix = fromEnvironment("WINEPREFIX");
    if (prefix.isEmpty())
        prefix = QDir::homePath() + QStringLiteral("/.wine");
    return QDir::cleanPath(prefix + QStringLiteral("/drive_c"));
}

QString gamePath(const QString &gameRelative)
{
    QString relative = gameRelative;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!relative.startsWith(QLatin1Char('/')))
        relative.prepend(QLatin1Char('/'));
    return services().programFolder() + relative;
}

QString windowsPath(const QString &path)
{
    QString unix = path;
    unix.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (unix.size() >= 2 && unix.at(1) == QLatin1Char(':') && unix.at(0).isLetter()) {
        const QChar drive = unix.at(0).toLower();
        QString rest = unix.mid(2);
        if (!rest.startsWith(QLatin1Char('/')))
            rest.prepend(QLatin1Char('/'));
        if (drive == QLatin1Char('c'))
            return onDriveC(rest);
        return QFileInfo(services().driveC()).absolutePath() + QStringLiteral("/drive_") + drive
               + rest;
    }
    // "\Folder" is rooted on the current drive, which for the game is drive C.
    if (path.startsWith(QLatin1Char('\\')) && !path.startsWith(QStringLiteral("\\\\")))
        return onDriveC(unix);
    return unix;
}
