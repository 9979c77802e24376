#include "mounttable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <cctype>

namespace {

// The kernel's own file systems: they hold no files a player keeps. Most are mounted under
// /dev, /proc or /sys, but a container or an administrator may put them anywhere.
const QSet<QByteArray> PseudoFileSystems = {
    "autofs", "binfmt_misc", "bpf",        "cgroup",     "cgroup2",   "configfs", "debugfs",
    "devpts", "devtmpfs",    "efivarfs",   "fusectl",    "hugetlbfs", "mqueue",   "nsfs",
    "proc",   "pstore",      "rpc_pipefs", "securityfs", "selinuxfs", "sysfs",    "tracefs"};

bool isIn(const QString &path, const QString &folder)
{
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

bool isSystemFolder(const QString &point)
{
    for (const char *folder : {"/dev", "/proc", "/sys"}) {
        if (isIn(point, QLatin1String(folder)))
            return true;
    }
    return isIn(point, QStringLiteral("/run")) && !isIn(point, QStringLiteral("/run/media"));
}

// The table writes a blank, a tab, a line break and a backslash in a name as "\040", "\011",
// "\012" and "\134".
QString unescaped(const QByteArray &field)
{
    const auto isOctal = [](char c) { return c >= '0' && c <= '7'; };
    QByteArray name;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1])
            && isOctal(field[i + 2]) && isOctal(field[i + 3])) {
            name += char(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3)
                         | (field[i + 3] - '0'));
            i += 3;
        } else {
            name += field[i];
        }
    }
    return QFile::decodeName(name);
}

// A label as the system names its link in /dev/disk/by-label, where a character that may not
// stand in a file name is written "\xHH": "MY\x20STICK" is "MY STICK".
QString labelFromLinkName(const QString &name)
{
    const auto isHex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    const QByteArray bytes = QFile::encodeName(name);
    QByteArray label;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\\' && i + 3 < bytes.size() && bytes[i + 1] == 'x' && isHex(bytes[i + 2])
            && isHex(bytes[i + 3])) {
            label += char(bytes.mid(i + 2, 2).toInt(nullptr, 16));
            i += 3;
        } else {
            label += bytes[i];
        }
    }
    return QString::fromUtf8(label);
}

} // namespace

QList<MountedVolume> volumesInMountTable(const QByteArray &table)
{
    struct Mount
    {
        MountedVolume volume;
        QByteArray type;
    };
    QList<Mount> mounts;
    QHash<QString, qsizetype> atPoint;
    for (const QByteArray &line : table.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3)
            continue;
        Mount mount{{unescaped(fields[1]), unescaped(fields[0]), QString()}, fields[2]};
        if (!mount.volume.root.startsWith(QLatin1Char('/')))
            continue;
        // A later mount over a point hides the earlier one, whatever that was.
        if (const auto at = atPoint.constFind(mount.volume.root); at != atPoint.cend()) {
            mounts[*at] = mount;
        } else {
            atPoint.insert(mount.volume.root, mounts.size());
            mounts.append(mount);
        }
    }
    QList<MountedVolume> volumes;
    for (const Mount &mount : std::as_const(mounts)) {
        if (!PseudoFileSystems.contains(mount.type) && !isSystemFolder(mount.volume.root))
            volumes.append(mount.volume);
    }
    return volumes;
}

QString volumeRootOf(const QString &path, const QStringList &roots)
{
    const QString clean = QDir::cleanPath(path);
    QString found;
    for (const QString &root : roots) {
        if ((root == QLatin1String("/") ? clean.startsWith(QLatin1Char('/')) : isIn(clean, root))
            && root.size() > found.size())
            found = root;
    }
    return found;
}

QList<MountedVolume> mountedVolumes()
{
    QFile table(QStringLiteral("/proc/self/mounts"));
    QList<MountedVolume> volumes =
        volumesInMountTable(table.open(QIODevice::ReadOnly) ? table.readAll() : QByteArray());

    // The links name the devices; /dev is the kernel's own, so following them asks no volume.
    QHash<QString, QString> labels;
    const QDir byLabel(QStringLiteral("/dev/disk/by-label"));
    for (const QString &link :
         byLabel.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        const QString device = QFileInfo(byLabel.filePath(link)).canonicalFilePath();
        if (!device.isEmpty())
            labels.insert(device, labelFromLinkName(link));
    }
    // Only a device under /dev is followed: what a user-space mount names as its source may be
    // a path on another volume, one that does not answer.
    for (MountedVolume &volume : volumes) {
        if (volume.device.startsWith(QLatin1String("/dev/")))
            volume.label = labels.value(QFileInfo(volume.device).canonicalFilePath());
    }
    return volumes;
}
