#include "support/gametest.h"
#include "support/login.h"

#include "common/globals.h"
#include "common/linklabel.h"
#include "common/registry.h"
#include "common/statusbar.h"
#include "mainwindow/form2.h"
#include "online/form6.h"
#include "online/form10.h"
#include "online/form8.h"
#include "online/webview.h"

#include <QTest>

namespace {

const QString VersionFile = QStringLiteral("http://www.tellary-networks.example/stallixver.txt");
const QString DownloadPage = QStringLiteral("http://www.tellary-networks.example/stallix");
const QString ServerDown = QStringLiteral("The server is down, please try again later.");
const QString Latest = QStringLiteral("Your Are Using The Latest Version Of Stallix");
const QString NotLatest = QStringLiteral("Your Are NOT Using The Latest Version Of Stallix");

} // namespace

class TestOnline : public GameTest
{
    Q_OBJECT

    // The address the web window opened, or "" when it is not open.
    static QString webPage()
    {
        Form10 *web = loadedForm<Form10>();
        if (!web || !web->isVisible())
            return QString();
        if (!QTest::qWaitFor([web] { return !web->Webcred->Busy(); }, 5000))
            return QStringLiteral("<still loading>");
        return web->Webcred->LocationURL();
    }

    Form2 *play()
    {
        writeDefaultProfiles();
        Form2 *main = logIn(1);
        if (!main)
            qFatal("login failed");
        return main;
    }

private slots:
    void startUpCheck_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("server"); // STALLIX_UPDATE_SERVER
        QTest::addColumn<QString>("fetched");
        QTest::addColumn<bool>("notice");
        QTest::addColumn<QString>("panel3");
        const QString greeting = QStringLiteral("Welcome To Stallix6.6 ");
        const QString own = QStringLiteral("http://127.0.0.1:8066/");
        // clang-format off
        QTest::newRow("no server")          << ""       << ""  << VersionFile << false << greeting;
        QTest::newRow("same")               << "66"     << ""  << VersionFile << false << Latest;
        QTest::newRow("newer")              << "67"     << ""  << VersionFile << true  << NotLatest;
        QTest::newRow("66 with a line end") << "66\r\n" << ""  << VersionFile << true  << NotLatest;
        QTest::newRow("own server")         << "66"     << own << own + "stallixver.txt" << false << Latest;
        // clang-format on
    }

    void startUpCheck()
    {
        QFETCH(QString, answer);
        QFETCH(QString, server);
        QFETCH(QString, fetched);
        QFETCH(bool, notice);
        QFETCH(QString, panel3);
        qputenv("STALLIX_UPDATE_SERVER", server.toUtf8());
        Form2 *main = play();
        QVERIFY(main->Timer3->isActive());
        QCOMPARE(main->Timer3->interval(), 2000);
        QVERIFY(sv().fetches.isEmpty());

        sv().fetchAnswers << answer;
        main->Timer3_Timer();
        qunsetenv("STALLIX_UPDATE_SERVER");

        QCOMPARE(sv().fetches, QStringList{fetched});
        // Done after one check, whatever the answer: no nagging every two seconds.
        QVERIFY(!main->Timer3->isActive());
        QCOMPARE(sv().boxTexts(), answer.isEmpty() ? QStringList{ServerDown} : QStringList());
        QCOMPARE(main->statusBar1()->panelText(3), panel3);
        Form8 *shown = loadedForm<Form8>();
        QCOMPARE(shown && shown->isVisible(), notice);
        QVERIFY(PendingUrl.isEmpty());
    }

    void offlineShowsOneBox()
    {
        // The real timer, hurried: however many intervals pass, one fetch and one box.
        Form2 *main = play();
        for (int tick = 0; tick < 3; ++tick)
            sv().fetchAnswers.enqueue(QString());
        main->Timer3->setInterval(5);
        QTRY_VERIFY(!sv().fetches.isEmpty());
        QTest::qWait(60);
        QCOMPARE(sv().fetches.size(), 1);
        QCOMPARE(sv().boxTexts(), QStringList{ServerDown});
        QVERIFY(!main->Timer3->isActive());
    }

    void menuCheck_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<MsgResult>("reply");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<MsgButtons>("buttons");
        QTest::addColumn<QString>("opened"); // by the web window
        const QString question = QStringLiteral(
            "There is a newer version of this program available. Would you like to download it?");
        const QString same = QStringLiteral(
            "There Are No Newer Versions Avalible. Your Are Using The Latest Version");
        const QString title = QStringLiteral("Program Update");
        // clang-format off
        QTest::newRow("no server")  << ""     << MsgResult::Ok  << ServerDown << title      << MsgButtons::Ok    << "";
        QTest::newRow("same")       << "66"   << MsgResult::Ok  << same       << "Stallix6" << MsgButtons::Ok    << "";
        QTest::newRow("newer, Yes") << "67"   << MsgResult::Yes << question   << title      << MsgButtons::YesNo << DownloadPage;
        QTest::newRow("newer, No")  << "66\n" << MsgResult::No  << question   << title      << MsgButtons::YesNo << "";
        // clang-format on
    }

    void menuCheck()
    {
        QFETCH(QString, answer);
        QFETCH(MsgResult, reply);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(MsgButtons, buttons);
        QFETCH(QString, opened);
        Form2 *main = play();
        const QString panel3 = main->statusBar1()->panelText(3);

        sv().fetchAnswers << answer;
        if (buttons != MsgButtons::Ok)
            sv().answers << reply;
        main->update->trigger();

        QCOMPARE(sv().fetches, QStringList{VersionFile});
        QCOMPARE(sv().boxTexts(), QStringList{text});
        const ScriptedServices::Box &box = sv().boxes[0];
        QCOMPARE(box.title, title);
        QCOMPARE(box.icon, MsgIcon::None);
        QCOMPARE(box.buttons, buttons);
        QCOMPARE(webPage(), opened);
        // An extra check of its own: the start-up check still waits, the hint line stays.
        QVERIFY(main->Timer3->isActive());
        QCOMPARE(main->statusBar1()->panelText(3), panel3);
        QVERIFY(!loadedForm<Form8>());
    }

    void updateNotice_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("webOpen"); // the web window already shows the credits
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("pending"); // left for the web window's next creation
        QTest::addColumn<bool>("staysOpen");
        // clang-format off
        QTest::newRow("Download")          << "Command1" << false << DownloadPage << ""           << false;
        QTest::newRow("the link")          << "Label1"   << false << DownloadPage << ""           << true;
        QTest::newRow("later")             << "Command2" << false << ""           << ""           << false;
        QTest::newRow("Download, web open") << "Command1" << true << ""           << DownloadPage << false;
        // clang-format on
    }

    void updateNotice()
    {
        QFETCH(QString, control);
        QFETCH(bool, webOpen);
        QFETCH(QString, opened);
        QFETCH(QString, pending);
        QFETCH(bool, staysOpen);
        Form2 *main = play();
        Form10 *credits = nullptr;
        if (webOpen) {
            showForm10();
            credits = loadedForm<Form10>();
        }
        main->hconnect->trigger();
        QVERIFY(sv().fetches.isEmpty()); // Connect shows the notice without a check
        Form8 *notice = loadedForm<Form8>();
        QVERIFY(notice && notice->isVisible());
        QCOMPARE(notice->windowTitle(), QStringLiteral("Update Manager"));
        QCOMPARE(notice->Frame1->title(), QStringLiteral("STALLIX UPDATE MANAGER - "));
        QCOMPARE(notice->Label1->text(),
                 QStringLiteral("The Next Version Of Stallix is now ready to download from "
                                "www.tellary-networks.example"));
        QCOMPARE(notice->Command1->text(), QStringLiteral("Download"));
        QCOMPARE(notice->Command2->text(), QStringLiteral("i'll download later"));

        if (control == QLatin1String("Label1"))
            emit notice->Label1->clicked();
        else
            ctl<QPushButton>(notice, control)->click();
        flushDeletes();

        QCOMPARE(PendingUrl, pending);
        if (webOpen)
            QCOMPARE(loadedForm<Form10>(), credits); // only brought forward
        else
            QCOMPARE(webPage(), opened);
        QCOMPARE(loadedForm<Form8>() != nullptr, staysOpen);
        QVERIFY(sv().boxes.isEmpty());
    }

    void aboutBox()
    {
        Form2 *main = play();
        main->about->trigger();
        Form6 *box = loadedForm<Form6>();
        QVERIFY(box && box->isVisible());
        QCOMPARE(box->windowTitle(), QStringLiteral("About Stallix6.6.2"));
        QCOMPARE(box->Label4->text(), QStringLiteral("Version:  6.6.2"));
        QCOMPARE(box->Label5->text(), QStringLiteral("Release Date: October 2005"));
        QCOMPARE(box->SSTab1->count(), 1);
        QCOMPARE(box->SSTab1->tabText(0), QStringLiteral("About Stallix"));
        QVERIFY(box->Label8->text().contains(QLatin1String("Qt WebEngine")));

        // The credits lie below the box until "more >", which works once per opening.
        const int shortHeight = box->height();
        QCOMPARE(shortHeight, 3435 / 15);
        QVERIFY(box->Label1->geometry().top() >= shortHeight);
        for (int press = 0; press < 2; ++press)
            box->Command3->click();
        QCOMPARE(box->height(), shortHeight + 1500 / 15);
        QVERIFY(!box->Command3->isEnabled());
        QVERIFY(box->Label1->geometry().bottom() < box->height());

        // Showing it while open only brings it forward.
        main->about->trigger();
        QCOMPARE(loadedForm<Form6>(), box);
        QCOMPARE(box->height(), shortHeight + 1500 / 15);

        emit box->Label7->clicked();
        QCOMPARE(webPage(), QStringLiteral("http://www.tellary-networks.example/"));

        box->Command1->click();
        flushDeletes();
        QVERIFY(!loadedForm<Form6>());
        main->about->trigger();
        box = loadedForm<Form6>();
        QCOMPARE(box->height(), shortHeight);
        QVERIFY(box->Command3->isEnabled());
        QVERIFY(sv().boxes.isEmpty());
    }
};

QTEST_MAIN(TestOnline)
#include "tst_online.moc"
