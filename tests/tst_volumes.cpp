#include "common/folderprobe.h"

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
