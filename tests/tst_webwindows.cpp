#include "support/gametest.h"
#include "support/login.h"

#include "common/globals.h"
#include "common/linklabel.h"
#include "common/registry.h"
#include "common/statusbar.h"
#include "mainwindow/form2.h"
#include "online/form10.h"
#include "online/frmbrowser.h"
#include "online/frmhelp.h"
#include "online/webview.h"
#include "profiles/frmcontrol.h"

#include <QApplication>
#include <QTextBrowser>

#include <QSignalSpy>

class WebWindowsTest : public GameTest
{
    Q_OBJECT

    // A page of the game's own, with a title and whatever body the test needs.
    void page(const QString &gamePath, const QString &title, const QString &body = QString()) const
    {
        put(gamePath, QStringLiteral("<html><head><title>%1</title></head><body>%2</body></html>")
                          .arg(title, body)
                          .toUtf8());
    }

    static void settle(WebView *view) { QTRY_VERIFY(!view->Busy()); }

    // The help pages: contents with a link that opens in a new window and one that does not.
    void helpPages() const
    {
        page(QStringLiteral("\\whats\\stallixhelpcon.htm"), QStringLiteral("Contents"),
             QStringLiteral("<a href=\"topic.htm\" target=\"_blank\">topic</a> "
                            "<a href=\"stallixhelpcon.htm#end\">end</a>"));
        page(QStringLiteral("\\whats\\stallixhelpmain.htm"), QStringLiteral("Main"));
        page(QStringLiteral("\\whats\\whatsnew6.htm"), QStringLiteral("New"));
        page(QStringLiteral("\\whats\\topic.htm"), QStringLiteral("Topic"));
    }

    // The help viewer now open, with both panes loaded.
    static frmHelp *helpShown()
    {
        frmHelp *help = loadedForm<frmHelp>();
        if (help) {
            settle(help->WebBrowser1);
            settle(help->WebBrowser2);
        }
        return help;
    }

    static void closeHelp()
    {
        loadedForm<frmHelp>()->close();
        flushDeletes();
    }

    Form10 *openCredits(const QByteArray *flag)
    {
        if (flag)
            put(QStringLiteral("\\data\\show.hor"), *flag);
        page(QStringLiteral("\\credits.htm"), QStringLiteral("Credits"));
        showForm10();
        return loadedForm<Form10>();
    }

private slots:
    void addressesAllowed_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("http") << "http://www.example.com/" << true;
        QTest::newRow("https") << "https://example.com/a?b" << true;
        QTest::newRow("address without scheme") << "www.example.com" << true;
        QTest::newRow("own page") << "<game>/whats/page.htm" << true;
        QTest::newRow("own page not there yet") << "<game>/whats/none.htm" << true;
        QTest::newRow("climbing out of the folder") << "<game>/../secret.htm" << false;
        QTest::newRow("file elsewhere") << "file:///etc/passwd" << false;
        QTest::newRow("bare scheme") << "http://" << false;
        QTest::newRow("script") << "javascript:alert(1)" << false;
        QTest::newRow("data") << "data:text/html,<b>x</b>" << false;
        QTest::newRow("ftp") << "ftp://example.com/" << false;
    }

    // Only web addresses and the game's own pages may be opened.
    void addressesAllowed()
    {
        QFETCH(QString, address);
        QFETCH(bool, allowed);
        page(QStringLiteral("\\whats\\page.htm"), QStringLiteral("Page"));
        put(QStringLiteral("\\..\\secret.htm"), "<title>Secret</title>");
        address.replace(QStringLiteral("<game>"), programFolder());
        WebView view;
        view.Navigate(address);
        QCOMPARE(view.Busy(), allowed);
        settle(&view);
        QCOMPARE(!view.LocationURL().isEmpty(), allowed);
    }

    // The text engine names a web address it cannot show, and history goes back across it.
    void textEngineShowsWebAddressAsNotice()
    {
        page(QStringLiteral("\\credits.htm"), QStringLiteral("Credits"));
        WebView view;
        QSignalSpy completed(&view, &WebView::DocumentComplete);
        QSignalSpy ended(&view, &WebView::DownloadComplete);
        QVERIFY(!view.GoBack());
        view.Navigate(path(QStringLiteral("\\credits.htm")));
        QCOMPARE(completed.count(), 0); // events follow later, never inside Navigate
        settle(&view);
        view.Navigate(QStringLiteral("https://www.example.com/x"));
        settle(&view);
        QCOMPARE(view.LocationURL(), QStringLiteral("https://www.example.com/x"));
        QCOMPARE(view.LocationName(), QStringLiteral("https://www.example.com/x"));
        QCOMPARE(completed.count(), 2);
        QCOMPARE(ended.count(), 2);
        QVERIFY(view.GoBack());
        settle(&view);
        QCOMPARE(view.LocationName(), QStringLiteral("Credits"));
        QVERIFY(!view.GoBack());
    }

    void wayOut_data()
    {
        QTest::addColumn<QByteArray>("flag");
        QTest::addColumn<bool>("missing");
        QTest::addColumn<QString>("pending");
        QTest::addColumn<bool>("shown");
        QTest::newRow("skip") << QByteArray(" 1 \r\n") << false << QString() << false;
        QTest::newRow("show") << QByteArray(" 0 \r\n") << false << QString() << true;
        QTest::newRow("no file") << QByteArray() << true << QString() << true;
        QTest::newRow("empty file") << QByteArray() << false << QString() << true;
        QTest::newRow("not a number") << QByteArray("yes\r\n") << false << QString() << true;
        QTest::newRow("last line counts")
            << QByteArray(" 0 \r\n 1 \r\n") << false << QString() << false;
        QTest::newRow("pending address beats skip")
            << QByteArray(" 1 \r\n") << false << QStringLiteral("https://example.com/") << true;
    }

    // On the way out the skip flag decides at load whether the window ever shows.
    void wayOut()
    {
        QFETCH(QByteArray, flag);
        QFETCH(bool, missing);
        QFETCH(QString, pending);
        QFETCH(bool, shown);
        PendingUrl = pending;
        Form10 *credits = openCredits(missing ? nullptr : &flag);
        QCOMPARE(credits->isVisible(), shown);
        QCOMPARE(sv().programEnds, shown ? 0 : 1);
        if (shown) {
            QCOMPARE(credits->Check1->isVisibleTo(credits), pending.isEmpty());
            QCOMPARE(credits->Text1->isVisibleTo(credits), !pending.isEmpty());
            QVERIFY(!credits->Check1->isChecked());
            QVERIFY(PendingUrl.isEmpty());
        }
        // A second show on the way out does not end the program again.
        showForm10();
        QCOMPARE(sv().programEnds, shown ? 0 : 1);
    }

    void closing_data()
    {
        QTest::addColumn<bool>("gameOn");
        QTest::addColumn<bool>("byX");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<int>("ends");
        QTest::newRow("X on the way out, ticked") << false << true << true << 1;
        QTest::newRow("close box on the way out") << false << false << false << 1;
        QTest::newRow("X during the game") << true << true << false << 0;
        QTest::newRow("close box during the game, ticked") << true << false << true << 0;
    }

    // X and the close box both keep the tick box's choice; on the way out the game ends once.
    void closing()
    {
        QFETCH(bool, gameOn);
        QFETCH(bool, byX);
        QFETCH(bool, ticked);
        QFETCH(int, ends);
        if (gameOn) {
            writeDefaultProfiles();
            QVERIFY(logIn(1));
        }
        Form10 *credits = openCredits(nullptr);
        credits->Check1->setChecked(ticked);
        if (byX)
            credits->Command1->click();
        else
            credits->close();
        flushDeletes();
        QCOMPARE(bytes(QStringLiteral("\\data\\show.hor")),
                 ticked ? QByteArray(" 1 \r\n") : QByteArray(" 0 \r\n"));
        QCOMPARE(sv().programEnds, ends);
        QCOMPARE(loadedForm<Form10>() == nullptr, gameOn || !byX);
    }

    // Browse mode hides the skip choice, so X there forgets a skip chosen before.
    void browseModeForgetsSkip()
    {
        put(QStringLiteral("\\data\\show.hor"), " 1 \r\n");
        showWebPage(QStringLiteral("https://www.example.com/"));
        Form10 *web = loadedForm<Form10>();
        QVERIFY(web->isVisible());
        QVERIFY(web->ProgressBar1->isVisibleTo(web));
        QVERIFY(web->Command2->isVisibleTo(web));
        web->Command1->click();
        QCOMPARE(bytes(QStringLiteral("\\data\\show.hor")), QByteArray(" 0 \r\n"));
    }

    // The mode and the address are taken only when the window is created.
    void pendingUrlTakenOnlyAtCreation()
    {
        Form10 *credits = openCredits(nullptr);
        showWebPage(QStringLiteral("https://www.example.com/next"));
        QCOMPARE(loadedForm<Form10>(), credits);
        QVERIFY(credits->Check1->isVisibleTo(credits));
        QCOMPARE(PendingUrl, QStringLiteral("https://www.example.com/next"));
        credits->close();
        flushDeletes();
        showForm10();
        Form10 *web = loadedForm<Form10>();
        settle(web->Webcred);
        QCOMPARE(web->Text1->text(), QStringLiteral("https://www.example.com/next"));
        QVERIFY(PendingUrl.isEmpty());
    }

    void addressBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("htt") << "htt"
                             << "http://";
        QTest::newRow("ww") << "ww"
                            << "http://www.";
        QTest::newRow("capitals") << "HTT"
                                  << "HTT";
        QTest::newRow("only the whole text") << "xww"
                                             << "xww";
    }

    void addressBox()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        showWebPage(QStringLiteral("https://www.example.com/"));
        QLineEdit *box = loadedForm<Form10>()->Text1;
        box->clear();
        QTest::keyClicks(box, typed);
        QCOMPARE(box->text(), shown);
    }

    // A page shown gives the caption and address box; GO, Enter and "<" move about.
    void browsing()
    {
        page(QStringLiteral("\\whats\\one.htm"), QStringLiteral("One"),
             QStringLiteral("<a href=\"two.htm\">two</a>"));
        page(QStringLiteral("\\whats\\two.htm"), QStringLiteral("Two"));
        showWebPage(path(QStringLiteral("\\whats\\one.htm")));
        Form10 *web = loadedForm<Form10>();
        settle(web->Webcred);
        QCOMPARE(web->windowTitle(), QStringLiteral("One - Qurba Browser."));
        QCOMPARE(web->ProgressBar1->value(), 100);
        web->Text1->setText(path(QStringLiteral("\\whats\\two.htm")));
        QTest::keyClick(web->Text1, Qt::Key_Return);
        settle(web->Webcred);
        QCOMPARE(web->windowTitle(), QStringLiteral("Two - Qurba Browser."));
        QCOMPARE(web->Text1->text(),
                 QUrl::fromLocalFile(path(QStringLiteral("\\whats\\two.htm"))).toString());
        web->Command3->click();
        settle(web->Webcred);
        QCOMPARE(web->windowTitle(), QStringLiteral("One - Qurba Browser."));
        web->Command3->click(); // nothing earlier: stays
        settle(web->Webcred);
        QCOMPARE(web->windowTitle(), QStringLiteral("One - Qurba Browser."));
        emit web->Webcred->StatusTextChange(QStringLiteral("<b>status</b>"));
        QCOMPARE(web->StatusBar1->panelText(1), QStringLiteral("<b>status</b>"));
        QCOMPARE(web->StatusBar1->panel(1)->textFormat(), Qt::PlainText);
    }

    // Show Credits shows the page even after a skip; "qurba" opens the maker's page.
    void mainWindowEntries()
    {
        writeDefaultProfiles();
        Form2 *main = logIn(1);
        QVERIFY(main);
        put(QStringLiteral("\\data\\show.hor"), " 1 \r\n");
        main->mnuCredit->trigger();
        Form10 *credits = loadedForm<Form10>();
        QVERIFY(credits && credits->isVisible());
        QVERIFY(credits->Check1->isVisibleTo(credits));
        QCOMPARE(bytes(QStringLiteral("\\data\\show.hor")), QByteArray(" 0 \r\n"));
        credits->Command1->click();
        flushDeletes();
        QCOMPARE(sv().programEnds, 0);
        main->Toolbar3_ButtonClick(ctl<QAction>(main->Toolbar3, QStringLiteral("qurba")));
        Form10 *web = loadedForm<Form10>();
        QVERIFY(web && web->Text1->isVisibleTo(web));
        settle(web->Webcred);
        QVERIFY(web->Text1->text().startsWith(QStringLiteral("http://")));
    }

    // The page pane's topic is taken at creation: the main page from the login window, else
    // the main window's topic.
    void helpTopics()
    {
        writeDefaultProfiles();
        helpPages();
        showForm(form<frmcontrol>());
        emit form<frmcontrol>()->Label2->clicked();
        frmHelp *help = helpShown();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->windowTitle(), QStringLiteral("Stallix Help"));
        QCOMPARE(help->WebBrowser1->LocationName(), QStringLiteral("Contents"));
        QCOMPARE(help->WebBrowser2->LocationName(), QStringLiteral("Main"));
        closeHelp();

        Form2 *main = logIn(1);
        QVERIFY(main);
        main->what->trigger();
        QCOMPARE(helpShown()->WebBrowser2->LocationName(), QStringLiteral("New"));
        main->mnuHelp->trigger(); // open already: stays on its page
        QCOMPARE(helpShown()->WebBrowser2->LocationName(), QStringLiteral("New"));
        closeHelp();
        main->Toolbar3_ButtonClick(ctl<QAction>(main->Toolbar3, QStringLiteral("help")));
        QCOMPARE(helpShown()->WebBrowser2->LocationName(), QStringLiteral("Main"));
        closeHelp();

        main->Text13->setText(QStringLiteral("\\whats\\whatsnew6.htm"));
        sv().answers.enqueue(MsgResult::Yes);
        main->diffuser_Click();
        emit loadedForm<frmcontrol>()->Label2->clicked();
        QCOMPARE(helpShown()->WebBrowser2->LocationName(), QStringLiteral("Main"));
    }

    // A contents link meant for a new window lands in the page pane; Back and Home steer it.
    void helpContentsLinks()
    {
        helpPages();
        showForm(form<frmHelp>());
        frmHelp *help = helpShown();
        const int windows = QApplication::topLevelWidgets().size();
        auto *contents = help->WebBrowser1->findChild<QTextBrowser *>();
        emit contents->anchorClicked(QUrl(QStringLiteral("topic.htm")));
        help = helpShown();
        QCOMPARE(help->WebBrowser2->LocationName(), QStringLiteral("Topic"));
        QCOMPARE(help->WebBrowser1->LocationName(), QStringLiteral("Contents"));
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        emit contents->anchorClicked(QUrl(QStringLiteral("stallixhelpcon.htm#end")));
        help = helpShown();
        QVERIFY(help->WebBrowser1->LocationURL().endsWith(QStringLiteral("#end")));
        QCOMPARE(help->WebBrowser2->LocationName(), QStringLiteral("Topic"));
        help->Command1->click();
        QCOMPARE(helpShown()->WebBrowser2->LocationName(), QStringLiteral("Main"));
        help->Command1->click();
        QCOMPARE(helpShown()->WebBrowser2->LocationName(), QStringLiteral("Main"));
        help->Command2->click();
        QCOMPARE(helpShown()->WebBrowser2->LocationName(), QStringLiteral("Main"));
        QVERIFY(help->WebBrowser2->GoBack()); // Home was a page of its own
    }

    // The browser window opens its starting address; its caption follows the busy timer.
    void browserWindow()
    {
        page(QStringLiteral("\\whats\\one.htm"), QStringLiteral("One"));
        page(QStringLiteral("\\whats\\two.htm"), QStringLiteral("Two"));
        frmBrowser *browser = showBrowser(path(QStringLiteral("\\whats\\one.htm")));
        QVERIFY(browser->isVisible());
        QCOMPARE(browser->cboAddress->count(), 1);
        QVERIFY(browser->timTimer->isActive());
        browser->timTimer_Timer();
        QCOMPARE(browser->windowTitle(), QStringLiteral("Working..."));
        settle(browser->brwWebBrowser);
        QTRY_VERIFY(!browser->timTimer->isActive());
        QCOMPARE(browser->windowTitle(), QStringLiteral("One"));
        browser->cboAddress->setEditText(path(QStringLiteral("\\whats\\two.htm")));
        QTest::keyClick(browser->cboAddress->lineEdit(), Qt::Key_Return);
        settle(browser->brwWebBrowser);
        QCOMPARE(browser->windowTitle(), QStringLiteral("Two"));
        QCOMPARE(browser->cboAddress->count(), 1);
        QVERIFY(browser->brwWebBrowser->GoBack()); // one navigation for one Enter
        settle(browser->brwWebBrowser);
        QVERIFY(!browser->brwWebBrowser->GoBack());
        ctl<QAction>(browser->tbToolBar, QStringLiteral("Stop"))->trigger();
        QVERIFY(browser->timTimer->isActive());
    }
};

QTEST_MAIN(WebWindowsTest)
#include "tst_webwindows.moc"
