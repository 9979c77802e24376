#include "support/gametest.h"
#include "support/login.h"

#include "common/registry.h"
#include "mainwindow/form2.h"
#include "profiles/form7.h"
#include "profiles/userprofile.h"

#include <QDir>
#include <QFile>

class TestBackup : public GameTest
{
    Q_OBJECT

    QString setFolder() const
    {
        const QString folder = QDir::cleanPath(programFolder() + QStringLiteral("/../set"));
        QDir().mkpath(folder);
        return folder;
    }

    QByteArray inSet(const QString &file) const
    {
        QFile f(setFolder() + QLatin1Char('/') + file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    void putInSet(const QString &file, const QByteArray &content) const
    {
        QFile f(setFolder() + QLatin1Char('/') + file);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(f.fileName()));
        f.write(content);
    }

    // A backup set of slot 4 as the game writes one.
    void putSlot4Set() const
    {
        putInSet(QStringLiteral("userbackup.hor"), " 4 \r\n");
        putInSet(QStringLiteral("usern.hor"), "Dora\r\n");
        const QList<QByteArray> values = {"8000",  "150",   "Quick Silver", "Ash",
                                          "Birch", "Cedar", "Dogwood",      "Elm"};
        const QStringList suffixes = UserProfile::savedSuffixes();
        for (int i = 0; i < suffixes.size(); ++i)
            putInSet(QStringLiteral("user4") + suffixes[i], values[i] + "\r\n");
    }

    QList<QByteArray> allSlotFiles() const
    {
        QList<QByteArray> all;
        for (int slot = 1; slot <= 5; ++slot) {
            for (const QString &suffix : UserProfile::allSuffixes())
                all << bytes(UserProfile::file(slot, suffix));
        }
        return all;
    }

    Form7 *openBackup(Form2 *main) const
    {
        main->backup->trigger();
        Form7 *window = loadedForm<Form7>();
        window->chooseFolder(setFolder());
        return window;
    }

private slots:
    void backupTakesTheCurrentValues()
    {
        writeDefaultProfiles();
        Form2 *main = logIn(2);
        main->Text1->setText(QStringLiteral("4321"));
        main->Label16->setText(QStringLiteral("Mr Ed"));
        Form7 *window = openBackup(main);
        QCOMPARE(window->Text1->text(), QDir::toNativeSeparators(setFolder()));
        window->cmdbackup->click();
        QCOMPARE(sv().boxTexts(), (QStringList{QStringLiteral("Backing Up data for: user2"),
                                               QStringLiteral("Back Up Completed Successfully")}));
        QCOMPARE(inSet("userbackup.hor"), QByteArray(" 2 \r\n"));
        QCOMPARE(inSet("usern.hor"), QByteArray("user2\r\n"));
        QCOMPARE(inSet("user2cash.hor"), QByteArray("4321\r\n"));
        QCOMPARE(inSet("user2share.hor"), QByteArray("Mr Ed\r\n"));
        QCOMPARE(inSet("user2hor5.hor"), QByteArray("Black Beauty\r\n"));
        // Nothing was saved: the backup reads the window, not the files.
        QCOMPARE(bytes(UserProfile::file(2, UserProfile::Cash)), QByteArray("500\r\n"));

        // A second player's backup in the same folder keeps the first one's values.
        sv().answers.enqueue(MsgResult::Yes);
        main->diffuser->trigger();
        main = logIn(4);
        openBackup(main)->cmdbackup->click();
        QCOMPARE(inSet("userbackup.hor"), QByteArray(" 4 \r\n"));
        QCOMPARE(inSet("usern.hor"), QByteArray("user4\r\n"));
        QCOMPARE(inSet("user2cash.hor"), QByteArray("4321\r\n"));
        QCOMPARE(inSet("user4cash.hor"), QByteArray("500\r\n"));
    }

    void failedBackupSaysSo()
    {
        writeDefaultProfiles();
        Form2 *main = logIn(2);
        QDir().mkpath(setFolder() + QStringLiteral("/user2debt.hor"));
        openBackup(main)->cmdbackup->click();
        QCOMPARE(sv().boxes.size(), 2);
        QCOMPARE(sv().boxes[1].icon, MsgIcon::Critical);
        QVERIFY(sv().boxes[1].text.contains(QDir::toNativeSeparators(setFolder())));
        QCOMPARE(inSet("userbackup.hor"), QByteArray("<missing>"));
    }

    // The backed-up player's values go into the logged-in player's slot, and nothing saves
    // over them before the game ends.
    void restoreIntoTheCurrentSlot()
    {
        writeDefaultProfiles();
        Form2 *main = logIn(2);
        putSlot4Set();
        // The backup was killed during its renames: the restore finishes it before reading.
        putInSet(QStringLiteral("user4cash.hor.stallix-new"), "8000\r\n");
        putInSet(QStringLiteral("user4cash.hor"), "1\r\n");
        putInSet(QStringLiteral("stallix-set.commit"), "user4cash.hor\n");
        const QByteArray password = bytes(UserProfile::file(2, UserProfile::Password));
        const QByteArray slot4Cash = bytes(UserProfile::file(4, UserProfile::Cash));

        openBackup(main)->cmdrestore->click();
        QCOMPARE(sv().boxTexts(),
                 (QStringList{QStringLiteral("Now restoring user Dora Data, to the current user"),
                              QStringLiteral("All Data Restored Successfully, stallix must now "
                                             "restart!")}));
        QCOMPARE(sv().boxes[0].icon, MsgIcon::Information);
        QCOMPARE(sv().programEnds, 1);
        QCOMPARE(bytes(UserProfile::file(2, UserProfile::Name)), QByteArray("Dora\r\n"));
        QCOMPARE(bytes(UserProfile::file(2, UserProfile::Cash)), QByteArray("8000\r\n"));
        QCOMPARE(bytes(UserProfile::file(2, UserProfile::horse(5))), QByteArray("Elm\r\n"));
        QCOMPARE(bytes(UserProfile::file(2, UserProfile::Password)), password);
        QCOMPARE(bytes(UserProfile::file(4, UserProfile::Cash)), slot4Cash);

        main->horsesavenoname();
        main->horsesave();
        QCOMPARE(bytes(UserProfile::file(2, UserProfile::Cash)), QByteArray("8000\r\n"));
    }

    // A backup folder may come from anyone: its journal reaches none of the files outside it,
    // by a path that climbs out, an absolute one, or a subfolder that links elsewhere.
    void journalReachesOnlyItsOwnFolder()
    {
        writeDefaultProfiles();
        Form2 *main = logIn(2);
        putSlot4Set();
        const QString outside = QDir::cleanPath(setFolder() + QStringLiteral("/../outside"));
        QDir().mkpath(outside);
        QVERIFY(QFile::link(outside, setFolder() + QStringLiteral("/link")));
        const QStringList outsideFiles = {"kept.hor", "kept.hor.stallix-old", "victim.hor",
                                          "victim.hor.stallix-new", "victim.hor.stallix-old"};
        for (const QString &name : outsideFiles)
            putInSet(QStringLiteral("../outside/") + name, name.toUtf8());
        const QByteArray absolute = QFile::encodeName(outside);
        putInSet(QStringLiteral("stallix-set.undo"),
                 "D ../outside/victim.hor\nR ../outside/kept.hor\nD " + absolute + "/victim.hor\nR "
                     + absolute
                     + "/kept.hor\nD link/victim.hor\n"
                       "R link/kept.hor\nD ..\nD .\n");
        putInSet(QStringLiteral("stallix-set.stage"),
                 "../outside/victim.hor\n" + absolute + "/kept.hor\nlink/kept.hor\n");

        openBackup(main)->cmdrestore->click();
        QCOMPARE(sv().boxTexts().last(),
                 QStringLiteral("All Data Restored Successfully, stallix must now restart!"));
        QCOMPARE(bytes(UserProfile::file(2, UserProfile::Cash)), QByteArray("8000\r\n"));
        QCOMPARE(QDir(outside).entryList(QDir::Files, QDir::Name), outsideFiles);
        // The journal is done with all the same.
        QCOMPARE(inSet("stallix-set.undo"), QByteArray("<missing>"));
    }

    // A drive is asked whether it answers before the tree touches it: one that does not leaves
    // the tree and the location box where they were, and says nothing.
    void driveThatDoesNotAnswerIsIgnored_data()
    {
        QTest::addColumn<bool>("answers");
        QTest::newRow("answers") << true;
        QTest::newRow("does not answer") << false;
    }

    void driveThatDoesNotAnswerIsIgnored()
    {
        QFETCH(bool, answers);
        writeDefaultProfiles();
        Form7 *window = openBackup(logIn(2));
        const QString root = QStringLiteral("/");
        const int drive = window->Drive1->findData(root);
        QVERIFY(drive >= 0);
        if (!answers)
            sv().silentFolders << root;
        const QModelIndex treeRoot = window->Dir1->rootIndex();

        window->Drive1->setCurrentIndex(drive);
        emit window->Drive1->activated(drive);
        const QString folder = answers ? root : setFolder();
        QCOMPARE(window->folderPath(), folder);
        QCOMPARE(window->Text1->text(), QDir::toNativeSeparators(folder));
        if (!answers)
            QCOMPARE(window->Dir1->rootIndex(), treeRoot);
        QVERIFY(sv().boxes.isEmpty());
    }

    void incompleteSetRestoresNothing_data()
    {
        QTest::addColumn<QString>("file");       // the file of the set that is damaged
        QTest::addColumn<QByteArray>("content"); // what it holds; "-" = removed
        QTest::newRow("no set at all") << "*" << QByteArray("-");
        QTest::newRow("no slot file") << "userbackup.hor" << QByteArray("-");
        QTest::newRow("empty slot file") << "userbackup.hor" << QByteArray();
        QTest::newRow("slot 0") << "userbackup.hor" << QByteArray(" 0 \r\n");
        QTest::newRow("slot 6") << "userbackup.hor" << QByteArray(" 6 \r\n");
        QTest::newRow("slot no number") << "userbackup.hor" << QByteArray("four\r\n");
        QTest::newRow("no name") << "usern.hor" << QByteArray("-");
        QTest::newRow("no cash") << "user4cash.hor" << QByteArray("-");
        QTest::newRow("no horse 3") << "user4hor3.hor" << QByteArray("-");
        QTest::newRow("horse 5 holds no line") << "user4hor5.hor" << QByteArray();
    }

    void incompleteSetRestoresNothing()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        writeDefaultProfiles();
        Form2 *main = logIn(2);
        if (file != QLatin1String("*")) {
            putSlot4Set();
            if (content == "-")
                QFile::remove(setFolder() + QLatin1Char('/') + file);
            else
                putInSet(file, content);
        }
        const QList<QByteArray> before = allSlotFiles();
        openBackup(main)->cmdrestore->click();
        QCOMPARE(sv().boxTexts(), QStringList{QStringLiteral("Backed Up Data Not Found")});
        QCOMPARE(sv().boxes[0].icon, MsgIcon::Critical);
        QCOMPARE(allSlotFiles(), before);
        QCOMPARE(sv().programEnds, 0);
    }

    void failedRestoreWritePutsTheOldFilesBack()
    {
        writeDefaultProfiles();
        Form2 *main = logIn(2);
        putSlot4Set();
        remove(UserProfile::file(2, UserProfile::horse(3)));
        QDir().mkpath(path(UserProfile::file(2, UserProfile::horse(3))));
        const QList<QByteArray> before = allSlotFiles();

        openBackup(main)->cmdrestore->click();
        QCOMPARE(sv().boxes.size(), 2);
        QCOMPARE(sv().boxes[1].icon, MsgIcon::Critical);
        QVERIFY(sv().boxes[1].text.contains(QDir::toNativeSeparators(path("\\data"))));
        QCOMPARE(allSlotFiles(), before);
        QCOMPARE(sv().programEnds, 0);
    }
};

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
