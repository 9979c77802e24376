#include "support/gametest.h"
#include "support/login.h"

#include "common/numbers.h"
#include "common/registry.h"
#include "mainwindow/form2.h"
#include "mainwindow/frmhall.h"
#include "mainwindow/halloffame.h"
#include "online/form10.h"
#include "profiles/userprofile.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

class TestHall : public GameTest
{
    Q_OBJECT

    Form2 *play(const QString &cash, int slot = 1)
    {
        writeDefaultProfiles();
        put(UserProfile::file(slot, UserProfile::Cash), cash.toUtf8() + "\r\n");
        return logIn(slot);
    }

    void putTable(const HallTable &table) const
    {
        for (int i = 0; i < 5; ++i) {
            put(HallOfFame::scoreFile(i), numberText(table[i].score).toUtf8() + "\r\n");
            put(HallOfFame::nameFile(i), table[i].name.toUtf8() + "\r\n");
        }
    }

    QList<QByteArray> hallFiles() const
    {
        QList<QByteArray> all;
        for (int i = 0; i < 5; ++i)
            all << bytes(HallOfFame::scoreFile(i)) << bytes(HallOfFame::nameFile(i));
        return all;
    }

    static QStringList shown(const frmHall *hall)
    {
        QStringList rows;
        for (int i = 0; i < 5; ++i)
            rows << hall->Label1[i]->text() + QLatin1Char('|') + hall->Label2[i]->text();
        return rows;
    }

    static QStringList defaultRows()
    {
        QStringList rows;
        for (const HallOfFameEntry &e : HallOfFame::defaultTable())
            rows << numberText(e.score) + QLatin1Char('|') + e.name;
        return rows;
    }

private slots:
    void ranking_data()
    {
        QTest::addColumn<qint32>("cash");
        QTest::addColumn<int>("position"); // -1: none
        QTest::newRow("equal to the top does not take it") << 4990000 << 1;
        QTest::newRow("above the top") << 4995000 << 0;
        QTest::newRow("just above the last") << 4950001 << 4;
        QTest::newRow("equal to the last") << 4950000 << -1;
        QTest::newRow("negative") << -5 << -1;
    }

    void ranking()
    {
        QFETCH(qint32, cash);
        QFETCH(int, position);
        const std::optional<int> k =
            HallOfFame::qualifyingPosition(HallOfFame::defaultTable(), cash);
        QCOMPARE(k.value_or(-1), position);
    }

    // The entry and every row it pushed down reach the files, so the next showing agrees.
    void insertion_data()
    {
        QTest::addColumn<QString>("cash");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("k");
        QTest::newRow("at 0") << "4995000"
                              << "Ada" << 0;
        QTest::newRow("4,990,000 at 1") << "4990000"
                                        << "Bo" << 1;
        QTest::newRow("at 3, cancelled name") << "4965000"
                                              << "" << 3;
        QTest::newRow("at 4") << "4950001"
                              << "Cy" << 4;
    }

    void insertion()
    {
        QFETCH(QString, cash);
        QFETCH(QString, answer);
        QFETCH(int, k);
        Form2 *main = play(cash);
        main->Txtuser->setText(QStringLiteral("User 1"));
        const HallTable before = HallOfFame::defaultTable();
        putTable(before);
        bool countingDuringPrompt = true;
        sv().duringPrompt = [&] {
            countingDuringPrompt = loadedForm<frmHall>()->Timer1->isActive();
        };
        sv().promptAnswers.enqueue(answer);

        main->mnuShowhall->trigger();
        frmHall *hall = loadedForm<frmHall>();
        QVERIFY(!countingDuringPrompt);
        QVERIFY(hall->Timer1->isActive());
        QCOMPARE(sv().prompts.size(), 1);
        QCOMPARE(sv().prompts[0].text, QStringLiteral("Enter Your Name"));
        QCOMPARE(sv().prompts[0].title, QStringLiteral("You Have A High Score"));
        QCOMPARE(sv().prompts[0].proposed, QStringLiteral("User 1"));
        QCOMPARE(sv().boxTexts(), QStringList{QStringLiteral("Your on the board")});

        QStringList rows = defaultRows();
        rows.insert(k, cash + QLatin1Char('|') + answer);
        rows.removeLast();
        QCOMPARE(shown(hall), rows);
        const HallTable after = HallOfFame::insertEntry(before, k, {cash.toInt(), answer});
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(value(HallOfFame::scoreFile(i)), numberText(after[i].score));
            QCOMPARE(value(HallOfFame::nameFile(i)), after[i].name);
        }

        // The same cash again no longer beats its own entry, only the one below it.
        unload(hall);
        sv().promptAnswers.enqueue(answer);
        main->mnuShowhall->trigger();
        QCOMPARE(sv().prompts.size(), k < 4 ? 2 : 1);
        if (k < 4)
            QCOMPARE(loadedForm<frmHall>()->Label1[k + 1]->text(), cash);
    }

    void noEntry_data()
    {
        QTest::addColumn<QString>("cash");
        QTest::newRow("below every score") << "4950000";
        QTest::newRow("not a number") << "lots";
    }

    void noEntry()
    {
        QFETCH(QString, cash);
        Form2 *main = play(QStringLiteral("500"));
        main->Text1->setText(cash);
        putTable(HallOfFame::defaultTable());
        const QList<QByteArray> before = hallFiles();
        main->mnuShowhall->trigger();
        QVERIFY(sv().prompts.isEmpty());
        QVERIFY(sv().boxes.isEmpty());
        QCOMPARE(hallFiles(), before);
    }

    void rebuild_data()
    {
        QTest::addColumn<QString>("damage"); // a hall file and what it holds, "" = removed
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("no files at all") << "" << QByteArray();
        QTest::newRow("a score that is no number")
            << "\\hall\\posit2.gir" << QByteArray("many\r\n");
        QTest::newRow("a name file missing") << "\\hall\\positnam4.gir" << QByteArray();
    }

    void rebuild()
    {
        QFETCH(QString, damage);
        QFETCH(QByteArray, content);
        Form2 *main = play(QStringLiteral("500"));
        if (!damage.isEmpty()) {
            HallTable mine = HallOfFame::defaultTable();
            mine[0] = {4999999, QStringLiteral("Kept?")};
            putTable(mine);
            if (content.isEmpty())
                remove(damage);
            else
                put(damage, content);
        }
        main->mnuShowhall->trigger();
        QCOMPARE(shown(loadedForm<frmHall>()), defaultRows());
        QCOMPARE(value(HallOfFame::scoreFile(0)), QStringLiteral(" 4990000 "));
        QCOMPARE(value(HallOfFame::nameFile(4)), QStringLiteral("Tellary Networks"));
        QVERIFY(sv().boxes.isEmpty());
    }

    void hallThatCannotBeRewritten_data()
    {
        QTest::addColumn<QString>("damage"); // "hall" or a hall file, and what stands there
        QTest::addColumn<QString>("kind");
        QTest::newRow("hall is not a folder") << "\\hall"
                                              << "file";
        QTest::newRow("a score file is a FIFO") << "\\hall\\posit3.gir"
                                                << "fifo";
        QTest::newRow("a name file over the size cap") << "\\hall\\positnam1.gir"
                                                       << "large";
        QTest::newRow("a name file is a dangling link") << "\\hall\\positnam4.gir"
                                                        << "dangling";
    }

    // A hall that cannot be written, or holds a file that cannot be read: the defaults on
    // screen, one report naming the folder, and every hall file and the profile left alone.
    void hallThatCannotBeRewritten()
    {
        QFETCH(QString, damage);
        QFETCH(QString, kind);
        Form2 *main = play(QStringLiteral("4995000"));
        HallTable mine = HallOfFame::defaultTable();
        mine[0] = {4999999, QStringLiteral("Kept")};
        putTable(mine);
        if (kind == "file") {
            QVERIFY(QDir(path("\\hall")).removeRecursively());
            put("\\hall", "not a folder");
        } else {
            remove(damage);
            if (kind == "fifo")
                QVERIFY(::mkfifo(QFile::encodeName(path(damage)).constData(), 0600) == 0);
            else if (kind == "large")
                put(damage, QByteArray(70000, 'x') + "\r\n");
            else
                QVERIFY(QFile::link(path("\\hall\\gone.gir"), path(damage)));
        }
        const QList<QByteArray> before = hallFiles();
        const QByteArray cashFile = bytes(UserProfile::file(1, UserProfile::Cash));
        sv().promptAnswers.enqueue(QStringLiteral("Ada"));

        main->mnuShowhall->trigger();
        frmHall *hall = loadedForm<frmHall>();
        QCOMPARE(hall->Label2[0]->text(), QStringLiteral("Ada"));
        QCOMPARE(hall->Label2[1]->text(), QStringLiteral("Tellary Networks"));
        QCOMPARE(hall->Label1[1]->text(), QStringLiteral(" 4990000 "));
        QCOMPARE(sv().boxes.size(), 1);
        QCOMPARE(sv().boxes[0].icon, MsgIcon::Critical);
        QVERIFY(sv().boxes[0].text.contains(QDir::toNativeSeparators(path("\\hall"))));
        QCOMPARE(hallFiles(), before);
        QCOMPARE(bytes(UserProfile::file(1, UserProfile::Cash)), cashFile);
        if (kind == "file")
            QCOMPARE(bytes("\\hall"), QByteArray("not a folder"));
    }

    void countdownReturnsToTheGame()
    {
        Form2 *main = play(QStringLiteral("500"));
        main->mnuShowhall->trigger();
        frmHall *hall = loadedForm<frmHall>();
        QCOMPARE(hall->Label7->text(), QStringLiteral("10 seconds"));
        QCOMPARE(hall->Timer1->interval(), 999);
        for (int left = 9; left >= 1; --left) {
            hall->Timer1_Timer();
            QCOMPARE(hall->Label7->text(), QStringLiteral("%1 seconds").arg(left));
            QVERIFY(loadedForm<frmHall>());
        }
        hall->Timer1_Timer();
        QCOMPARE(hall->Label7->text(), QStringLiteral("0 seconds"));
        QVERIFY(!loadedForm<frmHall>());
        QVERIFY(main->isVisible());
        QCOMPARE(sv().programEnds, 0);
    }

    // Closing the main window: the hall ranks its cash, then hands over to the credits, which
    // end the game once, and nothing on the way brings the main window back.
    void wayOut_data()
    {
        QTest::addColumn<bool>("openBefore");
        QTest::addColumn<bool>("skipCredits");
        QTest::newRow("the hall opened by the close") << false << false;
        QTest::newRow("the hall already open from the menu") << true << false;
        QTest::newRow("credits skipped") << false << true;
    }

    void wayOut()
    {
        QFETCH(bool, openBefore);
        QFETCH(bool, skipCredits);
        if (skipCredits)
            put(QStringLiteral("\\data\\show.hor"), " 1 \r\n");
        Form2 *main = play(QStringLiteral("4995000"));
        sv().promptAnswers.enqueue(QStringLiteral("Ada"));
        if (openBefore)
            main->mnuShowhall->trigger();
        main->Text1->setText(QStringLiteral("4999000"));
        if (!openBefore)
            sv().promptAnswers.enqueue(QStringLiteral("Ada"));

        QVERIFY(main->close());
        flushDeletes();
        QVERIFY(!loadedForm<Form2>());
        frmHall *hall = loadedForm<frmHall>();
        QVERIFY(hall && hall->isVisible());
        QCOMPARE(sv().prompts.size(), 1);
        // Closed from the menu first, the hall kept the cash it had ranked then.
        QCOMPARE(hall->Label1[0]->text(),
                 openBefore ? QStringLiteral("4995000") : QStringLiteral("4999000"));
        QCOMPARE(bytes(UserProfile::file(1, UserProfile::Cash)), QByteArray("4999000\r\n"));
        QCOMPARE(sv().programEnds, 0);

        hall->Command1->click();
        flushDeletes();
        QVERIFY(!loadedForm<frmHall>());
        Form10 *credits = loadedForm<Form10>();
        if (skipCredits) {
            QVERIFY(!credits || !credits->isVisible());
        } else {
            QVERIFY(credits && credits->isVisible());
            QCOMPARE(sv().programEnds, 0);
            credits->Command1->click();
        }
        QCOMPARE(sv().programEnds, 1);
        QVERIFY(!loadedForm<Form2>());
    }
};

QTEST_MAIN(TestHall)
#include "tst_hall.moc"
