#include "support/gametest.h"
#include "support/login.h"

#include "common/globals.h"
#include "common/registry.h"
#include "mainwindow/form2.h"
#include "profiles/firstrun.h"
#include "profiles/form14.h"
#include "profiles/frmcontrol.h"
#include "profiles/profileimport.h"
#include "profiles/startup.h"
#include "profiles/userprofile.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>

#include <optional>

#include <sys/stat.h>

namespace {
const QString NothingFound = QStringLiteral(
    "No Previous Versions Of Stallix Have Been Detected. Stallix6 Will Continue With Normal "
    "Setup. Please note Stallix6 cannot upgrade from Stallix2002/SE or Before.");
const QString Imported =
    QStringLiteral("All User Data As Been Successfully Transfered From Vantrel To Stallix6");
const QStringList DefaultNames{"User 1", "user2", "user3", "user4", "user5"};
const QString EarlierFolder = QStringLiteral("C:\\Program Files\\Vantrel");
} // namespace

// First-run set-up and the import from the earlier product, seen through the login window.
class ProfilesTest : public GameTest
{
    Q_OBJECT

    // The earlier product's file for a slot's suffix, as it names it.
    static QString earlierFile(int slot, const QString &suffix)
    {
        if (slot == 1 && suffix == UserProfile::Name)
            return QStringLiteral("\\data\\horname.hor");
        return UserProfile::file(slot, suffix);
    }

    // A complete earlier installation whose every file holds "old <slot> <suffix>".
    void putEarlierProduct() const
    {
        for (int slot = 1; slot <= 5; ++slot) {
            for (const QString &suffix : UserProfile::allSuffixes())
                putOnC(EarlierFolder + earlierFile(slot, suffix),
                       QStringLiteral("old %1 %2\r\n").arg(slot).arg(suffix).toUtf8());
        }
        putOnC(QStringLiteral("c:\\loc.501"), EarlierFolder.toUtf8() + "\r\n");
    }

    void putOnC(const QString &windowsPath, const QByteArray &content) const
    {
        const QString target = cPath(windowsPath);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    // Every profile file of every slot holds its default value.
    void verifyDefaults() const
    {
        for (int slot = 1; slot <= 5; ++slot) {
            for (const QString &suffix : UserProfile::allSuffixes())
                QCOMPARE(bytes(UserProfile::file(slot, suffix)),
                         UserProfile::defaultValue(slot, suffix).toUtf8() + "\r\n");
        }
    }

    QMap<QString, QByteArray> snapshot() const
    {
        QMap<QString, QByteArray> all;
        for (int slot = 1; slot <= 5; ++slot) {
            for (const QString &suffix : UserProfile::allSuffixes())
                all.insert(UserProfile::file(slot, suffix), bytes(UserProfile::file(slot, suffix)));
        }
        return all;
    }

private slots:
    void firstRunWithoutEarlierProduct()
    {
        frmcontrol *w = form<frmcontrol>();
        QCOMPARE(sv().boxTexts(), QStringList{NothingFound});
        QCOMPARE(sv().boxes[0].icon, MsgIcon::None);
        QCOMPARE(sv().boxes[0].title, QStringLiteral("Stallix6"));
        QCOMPARE(loginRows(w), DefaultNames);
        verifyDefaults();
        QCOMPARE(bytes(QStringLiteral("\\data\\user4p.dll")), QByteArray("2864\r\n"));
        QCOMPARE(UserSlot, qint16(0));

        // Every new profile asks for the default password.
        for (int slot = 1; slot <= 5; ++slot) {
            w->combo1->setCurrentRow(slot - 1);
            w->Command9->click();
            w->Command6->click();
            QVERIFY(w->Text11->isVisibleTo(w));
            QCOMPARE(w->txtPass->text(), QStringLiteral("2864"));
        }
    }

    void importsCompleteEarlierProduct()
    {
        putEarlierProduct();
        frmcontrol *w = form<frmcontrol>();
        QCOMPARE(sv().boxTexts(), QStringList{Imported});
        QCOMPARE(sv().boxes[0].icon, MsgIcon::None);
        QCOMPARE(loginRows(w), (QStringList{"old 1 n.hor", "old 2 n.hor", "old 3 n.hor",
                                            "old 4 n.hor", "old 5 n.hor"}));
        for (int slot = 1; slot <= 5; ++slot) {
            for (const QString &suffix : UserProfile::allSuffixes())
                QCOMPARE(bytes(UserProfile::file(slot, suffix)),
                         QStringLiteral("old %1 %2\r\n").arg(slot).arg(suffix).toUtf8());
        }
        QCOMPARE(UserSlot, qint16(6));
        QVERIFY(QFile::exists(cPath(EarlierFolder + QStringLiteral("\\data\\horname.hor"))));
    }

    void importKeepsLastLines()
    {
        putEarlierProduct();
        // The marker's last line names the folder; a source's last line is its value.
        putOnC(QStringLiteral("c:\\loc.501"),
               "C:\\Elsewhere\r\n" + EarlierFolder.toUtf8() + "\r\n");
        putOnC(EarlierFolder + QStringLiteral("\\data\\user2cash.hor"), "999\n1500\n");
        putOnC(EarlierFolder + QStringLiteral("\\data\\user3p.dll"), "\r\n");
        putOnC(EarlierFolder + QStringLiteral("\\data\\user5share.hor"), "You Have No Shares\r\n");
        form<frmcontrol>();
        QCOMPARE(sv().boxTexts(), QStringList{Imported});
        QCOMPARE(bytes(QStringLiteral("\\data\\user2cash.hor")), QByteArray("1500\r\n"));
        QCOMPARE(bytes(QStringLiteral("\\data\\user3p.dll")), QByteArray("\r\n"));
        QCOMPARE(bytes(QStringLiteral("\\data\\user5share.hor")),
                 QByteArray("You Have No Shares\r\n"));
    }

    void failedImportCopiesNothing_data()
    {
        QTest::addColumn<QString>("missing"); // the source removed; "*" removes the data folder
        QTest::addColumn<int>("slotReached");
        QTest::newRow("folder without any file") << "*" << 0;
        QTest::newRow("slot 1's name") << "\\data\\horname.hor" << 0;
        QTest::newRow("slot 3's cash") << "\\data\\user3cash.hor" << 3;
        QTest::newRow("the very last file") << "\\data\\user5p.dll" << 5;
    }

    void failedImportCopiesNothing()
    {
        QFETCH(QString, missing);
        QFETCH(int, slotReached);
        putEarlierProduct();
        if (missing == QStringLiteral("*"))
            QVERIFY(QDir(cPath(EarlierFolder + QStringLiteral("\\data"))).removeRecursively());
        else
            QVERIFY(QFile::remove(cPath(EarlierFolder + missing)));
        frmcontrol *w = form<frmcontrol>();
        QCOMPARE(sv().boxTexts(), QStringList{NothingFound});
        QCOMPARE(loginRows(w), DefaultNames);
        verifyDefaults();
        QCOMPARE(UserSlot, qint16(slotReached));
    }

    void laterStartRewritesNothing()
    {
        writeDefaultProfiles();
        putEarlierProduct(); // would be imported, were this taken for a first run
        const QStringList names{"Ann", "Bob", "Cy", "Dan", "Eve"};
        for (int slot = 1; slot <= 5; ++slot) {
            put(UserProfile::file(slot, UserProfile::Name), names[slot - 1].toUtf8() + "\r\n");
            put(UserProfile::file(slot, UserProfile::Password),
                "p" + QByteArray::number(slot) + "\r\n");
            put(UserProfile::file(slot, UserProfile::Cash),
                "7" + QByteArray::number(slot) + "\r\n");
        }
        remove(QStringLiteral("\\data\\user3n.hor"));
        QMap<QString, QByteArray> before = snapshot();
        before.remove(QStringLiteral("\\data\\user3n.hor"));

        frmcontrol *w = form<frmcontrol>();
        QVERIFY(sv().boxes.isEmpty());
        QCOMPARE(loginRows(w), (QStringList{"Ann", "Bob", "user3", "Dan", "Eve"}));
        QCOMPARE(bytes(QStringLiteral("\\data\\user3n.hor")), QByteArray("user3\r\n"));
        QMap<QString, QByteArray> after = snapshot();
        after.remove(QStringLiteral("\\data\\user3n.hor"));
        QCOMPARE(after, before);
    }

    void unwritableDataFolderStillPlays()
    {
        QVERIFY(QDir(path(QStringLiteral("\\data"))).removeRecursively());
        QFile blocker(path(QStringLiteral("\\data")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        // A first run that cannot be marked as under way writes nothing and imports nothing.
        frmcontrol *w = form<frmcontrol>();
        QCOMPARE(sv().boxTexts().size(), 1);
        QCOMPARE(sv().boxes[0].icon, MsgIcon::Critical);
        QVERIFY(sv().boxTexts().last().contains(QDir::toNativeSeparators(path("\\data"))));
        QCOMPARE(loginRows(w), DefaultNames);
        QVERIFY(QFileInfo(path(QStringLiteral("\\data"))).isFile());

        w->combo1->setCurrentRow(1);
        w->Command9->click();
        w->Command6->click();
        QVERIFY(w->Text11->isVisibleTo(w));
        w->Text11->setText(QStringLiteral("2864"));
        w->Command10->click();
        Form2 *m = loadedForm<Form2>();
        QVERIFY(m);
        QCOMPARE(m->Text1->text(), QStringLiteral("500"));
        QCOMPARE(m->runner(5)->text(), QStringLiteral("Black Beauty"));
        QCOMPARE(m->Label24->text(), QStringLiteral("Welcome: user2"));
    }

    void firstRunOnAFullDiskLeavesNothingHalfMade()
    {
        const FullDisk full;
        Form14 *country = form<Form14>();
        country->Comsel->setEditText(QStringLiteral("France"));
        country->Command1_Click();
        QCOMPARE(sv().boxes.size(), 1);
        QVERIFY(loadedForm<Form14>());

        form<frmcontrol>();
        QCOMPARE(sv().boxTexts().size(), 2);
        QCOMPARE(sv().boxes[1].icon, MsgIcon::Critical);
        QVERIFY(sv().boxTexts()[1].contains(QDir::toNativeSeparators(path("\\data"))));
        // No empty name file that would end the first run, no country that counts as chosen.
        QCOMPARE(QDir(path("\\data")).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void firstRunCutShortRunsAgain_data()
    {
        QTest::addColumn<bool>("setUp");
        QTest::addColumn<bool>("slot1");
        QTest::newRow("killed before the import") << true << false;
        QTest::newRow("killed under the import's message") << true << true;
        QTest::newRow("set-up failed, the import's fallback written") << false << true;
    }

    // Whatever of the first run was on disk when it was cut short, the next start runs it all
    // again, import included, and the start after that is an ordinary one.
    void firstRunCutShortRunsAgain()
    {
        QFETCH(bool, setUp);
        QFETCH(bool, slot1);
        QVERIFY(beginFirstRun());
        if (setUp)
            QVERIFY(writeFirstRunDefaults());
        if (slot1)
            QVERIFY(writeDefaultProfile(1));

        frmcontrol *w = form<frmcontrol>();
        QCOMPARE(sv().boxTexts(), QStringList{NothingFound});
        QCOMPARE(loginRows(w), DefaultNames);
        verifyDefaults();

        unloadAll();
        flushDeletes();
        form<frmcontrol>();
        QCOMPARE(sv().boxTexts(), QStringList{NothingFound});
    }

    // A first run whose set-up could not finish is done again only until a player acts on a
    // profile: from then on what they saved is theirs.
    void firstRunLeftUnfinishedNeverUndoesASave()
    {
        QVERIFY(QDir().mkpath(path("\\data\\user3cash.hor")));
        frmcontrol *w = form<frmcontrol>();
        QCOMPARE(sv().boxes.size(), 2);
        QCOMPARE(sv().boxes[1].icon, MsgIcon::Critical);
        sv().boxes.clear();

        w->combo1->setCurrentRow(3);
        w->Command9->click();
        sv().promptAnswers << QStringLiteral("2864") << QStringLiteral("Nile")
                           << QStringLiteral("Nile");
        w->Command7->click();
        Form2 *main = logIn(2);
        QVERIFY(main);
        main->Text1->setText(QStringLiteral("2500"));
        main->horsesavenoname();
        sv().answers.enqueue(MsgResult::Yes);
        main->diffuser->trigger();
        flushDeletes();
        // What stood in the way is gone by the next start.
        QVERIFY(QDir(path("\\data\\user3cash.hor")).removeRecursively());
        unloadAll();
        flushDeletes();
        form<frmcontrol>();

        QCOMPARE(sv().boxTexts(), (QStringList{"Your Password As Been Changed",
                                               "Are You Sure You Wish To Log Off?"}));
        QCOMPARE(bytes(UserProfile::file(2, UserProfile::Cash)), QByteArray("2500\r\n"));
        QCOMPARE(bytes(UserProfile::file(4, UserProfile::Password)), QByteArray("Nile\r\n"));
    }

    void unreadableFileStopsPlay_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("kind");
        QTest::newRow("cash is a folder") << UserProfile::Cash << "folder";
        QTest::newRow("password is a FIFO") << UserProfile::Password << "fifo";
        QTest::newRow("horse 3 is a dangling link") << UserProfile::horse(3) << "dangling";
        QTest::newRow("name is too large") << UserProfile::Name << "large";
    }

    void unreadableFileStopsPlay()
    {
        QFETCH(QString, suffix);
        QFETCH(QString, kind);
        writeDefaultProfiles();
        const QString file = UserProfile::file(2, suffix);
        remove(file);
        remove(UserProfile::file(2, UserProfile::Debt)); // missing, yet not to be recreated now
        if (kind == "folder")
            QVERIFY(QDir().mkpath(path(file)));
        else if (kind == "fifo")
            QVERIFY(::mkfifo(QFile::encodeName(path(file)).constData(), 0600) == 0);
        else if (kind == "dangling")
            QVERIFY(QFile::link(path("\\data\\gone.hor"), path(file)));
        else
            put(file, QByteArray(70000, 'x') + "\r\n");
        const QMap<QString, QByteArray> before = snapshot();

        QVERIFY(!logIn(2));
        QCOMPARE(sv().boxes.size(), 1);
        QCOMPARE(sv().boxes[0].icon, MsgIcon::Critical);
        QVERIFY(sv().boxes[0].text.contains(QDir::toNativeSeparators(path(file))));
        QVERIFY(!loadedForm<Form2>());
        QCOMPARE(snapshot(), before);
        QVERIFY(!exists(UserProfile::file(2, UserProfile::Debt)));
    }

    void oneGamePerProgramFolder_data()
    {
        QTest::addColumn<int>("otherGame");   // 0: none, 1: with its lock file, 2: without
        QTest::addColumn<QByteArray>("lock"); // a lock file left behind, "-" for none; "<fifo>"
                                              // and "<zero>" for a pipe and an endless device
        QTest::addColumn<bool>("fullDisk");
        QTest::addColumn<bool>("starts");
        QTest::newRow("another game runs") << 1 << QByteArray("-") << false << false;
        QTest::newRow("lock of a game that is gone")
            << 0 << QByteArray("2147483646\nstallix\n\n") << false << true;
        QTest::newRow("empty lock (power cut)") << 0 << QByteArray() << false << true;
        QTest::newRow("garbled lock") << 0 << QByteArray("\x7f\x02#?") << false << true;
        QTest::newRow("a pipe for a lock") << 0 << QByteArray("<fifo>") << false << true;
        QTest::newRow("an endless device for a lock") << 0 << QByteArray("<zero>") << false << true;
        QTest::newRow("full disk") << 0 << QByteArray("-") << true << true;
        QTest::newRow("another game runs, full disk") << 1 << QByteArray("-") << true << false;
        QTest::newRow("another game runs without its lock file")
            << 2 << QByteArray("-") << false << false;
    }

    // One game per program folder, never two, and a lock whose game is gone never shuts the
    // player out.
    void oneGamePerProgramFolder()
    {
        QFETCH(int, otherGame);
        QFETCH(QByteArray, lock);
        QFETCH(bool, fullDisk);
        QFETCH(bool, starts);
        const auto claim = [](bool full) {
            std::optional<FullDisk> disk;
            if (full)
                disk.emplace();
            return claimProgramFolder();
        };
        const std::unique_ptr<ProgramLock> other = otherGame ? claim(otherGame == 2) : nullptr;
        QCOMPARE(bool(other), otherGame != 0);
        sv().boxes.clear();
        const QByteArray lockFile = QFile::encodeName(path("\\data\\stallix.lock"));
        if (lock == "<fifo>")
            QCOMPARE(::mkfifo(lockFile.constData(), 0600), 0);
        else if (lock == "<zero>")
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), QFile::decodeName(lockFile)));
        else if (lock != "-")
            put("\\data\\stallix.lock", lock);
        put("\\data\\user1cash.hor.stallix-new", "9");

        const std::unique_ptr<ProgramLock> mine = claim(fullDisk);
        QCOMPARE(bool(mine), starts);
        QCOMPARE(mine && mine->holdsLockFile(), starts && !fullDisk);
        // A game that starts removes what a broken-off save left; one that does not, nothing.
        QCOMPARE(exists("\\data\\user1cash.hor.stallix-new"), !starts);
        const QString folder = QDir::toNativeSeparators(programFolder());
        if (!starts)
            QCOMPARE(sv().boxTexts(),
                     QStringList{"Stallix6 is already running with the program folder \"" + folder
                                 + "\". Please carry on in that game."});
        else
            QCOMPARE(sv().boxTexts().size(), int(fullDisk));
        QCOMPARE(sv().boxTexts().filter(folder).size(), sv().boxTexts().size());
    }

    void failedImportWriteRestoresEveryTarget()
    {
        writeDefaultProfiles();
        putEarlierProduct();
        // The ninth-last target cannot be replaced: a folder stands in its place.
        remove("\\data\\user4p.dll");
        QVERIFY(QDir().mkpath(path("\\data\\user4p.dll")));
        const QMap<QString, QByteArray> before = snapshot();

        QCOMPARE(importEarlierProfiles(), ImportResult::Fallback);
        QCOMPARE(sv().boxes.size(), 1);
        QVERIFY(sv().boxes[0].text != NothingFound);
        QVERIFY(sv().boxes[0].text.contains(QDir::toNativeSeparators(path("\\data"))));
        QCOMPARE(snapshot(), before);
        QVERIFY(QDir(path("\\data"))
                    .entryList({"*.stallix-*", "stallix-set.*"}, QDir::Files | QDir::Hidden)
                    .isEmpty());
    }
};

QTEST_MAIN(ProfilesTest)
#include "tst_profiles.moc"
