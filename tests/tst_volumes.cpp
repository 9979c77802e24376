#include "common/folderprobe.h"
#include "profiles/mounttable.h"

#include <QTemporaryDir>
#include <QTest>

#include <future>

// What the backup window knows of the volumes before it touches one.
class TestVolumes : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    // A volume that never answers holds its asking thread until the suite lets it go at the end,
    // so that no thread is left blocked when the suite ends.
    std::promise<void> m_release;
    std::shared_future<void> m_released = m_release.get_future().share();

private slots:
    void cleanupTestCase() { m_release.set_value(); }

    void volumesComeFromTheMountTable_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QString>("volumes"); // "root <- device; ...", in order
        QTest::addColumn<QString>("path");    // a path ...
        QTest::addColumn<QString>("root");    // ... and the root of the volume that holds it
        const QByteArray root = "/dev/sda2 / ext4 rw,relatime 0 0\n";
        QTest::newRow("names with a blank, a tab and a backslash; lines that are no mount")
            << root
                   + "\nnone\nx relative ext4 rw 0 0\n"
                     "/dev/sdb1 /run/media/dora/MY\\040STICK vfat rw 0 0\n"
                     "/dev/sdc1 /mnt/a\\011b\\134c\\9x ext4 rw 0 0\n"
            << "/ <- /dev/sda2; /run/media/dora/MY STICK <- /dev/sdb1; "
               "/mnt/a\tb\\c\\9x <- /dev/sdc1"
            << "/run/media/dora/MY STICK/set"
            << "/run/media/dora/MY STICK";
        QTest::newRow("pseudo file systems and system folders out, network mounts in")
            << "proc /proc proc rw 0 0\nsysfs /sys sysfs rw 0 0\n"
               "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\ndevpts /dev/pts devpts rw 0 0\n"
               "tmpfs /dev/shm tmpfs rw 0 0\ntmpfs /run tmpfs rw 0 0\n"
               "gvfsd-fuse /run/user/1000/gvfs fuse.gvfsd-fuse rw 0 0\n"
               "cgroup /mnt/cg cgroup rw 0 0\nsystemd-1 /net autofs rw 0 0\n"
                   + root
                   + "tmpfs /tmp tmpfs rw 0 0\nhost:/export /mnt/nfs nfs4 rw 0 0\n"
                     "dora@host: /home/dora/remote fuse.sshfs rw 0 0\n"
            << "/ <- /dev/sda2; /tmp <- tmpfs; /mnt/nfs <- host:/export; "
               "/home/dora/remote <- dora@host:"
            << "/home/dora/remote2"
            << "/";
        QTest::newRow("the last mount over a point wins, a pseudo file system too")
            << "/dev/sdb1 /mnt/usb vfat rw 0 0\n" + root
                   + "/dev/sdc1 /mnt/usb ext4 rw 0 0\n"
                     "/dev/sdd1 /mnt/x ext4 rw 0 0\nproc /mnt/x proc rw 0 0\n"
            << "/mnt/usb <- /dev/sdc1; / <- /dev/sda2"
            << "/mnt/usb/set"
            << "/mnt/usb";
    }

    void volumesComeFromTheMountTable()
    {
        QFETCH(QByteArray, table);
        QFETCH(QString, volumes);
        QFETCH(QString, path);
        QFETCH(QString, root);
        QStringList listed;
        QStringList roots;
        for (const MountedVolume &volume : volumesInMountTable(table)) {
            listed << volume.root + QStringLiteral(" <- ") + volume.device;
            roots << volume.root;
        }
        QCOMPARE(listed.join(QStringLiteral("; ")), volumes);
        QCOMPARE(volumeRootOf(path, roots), root);
    }

    void folderProbeWaitsOnlySoLong_data()
    {
        QTest::addColumn<QString>("folder"); // in the test's folder
        QTest::addColumn<bool>("silent");    // its volume never answers
        QTest::addColumn<int>("answer");     // 1 readable, 0 not, -1 no answer in time
        QTest::newRow("a folder") << "." << false << 1;
        QTest::newRow("a missing folder") << "missing" << false << 0;
        QTest::newRow("a volume that never answers") << "." << true << -1;
    }

    // Should the bound break, the silent row never returns and the suite runs into CTest's
    // timeout.
    void folderProbeWaitsOnlySoLong()
    {
        QFETCH(QString, folder);
        QFETCH(bool, silent);
        QFETCH(int, answer);
        FolderProbe probe;
        probe.waitMs = 200;
        if (silent)
            probe.asking = [released = m_released] { released.wait(); };
        const std::optional<bool> readable = folderReadable(m_dir.filePath(folder), probe);
        QCOMPARE(readable ? int(*readable) : -1, answer);
    }
};

QTEST_GUILESS_MAIN(TestVolumes)
#include "tst_volumes.moc"
