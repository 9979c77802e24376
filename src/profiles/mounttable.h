#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The volumes the backup window offers, from the kernel's mount table alone: asking a volume
// anything (its size, whether it is ready) holds the asker for good when it is a network or
// user-space mount that has stopped answering.

struct MountedVolume
{
    QString root;   // the mount point
    QString device; // what is mounted there: "/dev/sdb1", "host:/export", "sshfs", ...
    QString label;  // the volume's name where the system gives one; else ""
};

// The volumes of a mount table's text (/proc/self/mounts): one per mount point, the last mount
// over a point winning, in the order the points first appear; labels left empty. Left out: the
// kernel's pseudo file systems and whatever is mounted under /dev, /proc, /sys and /run, but for
// removable media under /run/media.
QList<MountedVolume> volumesInMountTable(const QByteArray &table);

// The root of the volume that holds `path`: the longest of the mount points `roots` that contains
// it; "" when none does.
QString volumeRootOf(const QString &path, const QStringList &roots);

// The volumes of this process's mount table, labelled from /dev/disk/by-label.
QList<MountedVolume> mountedVolumes();
