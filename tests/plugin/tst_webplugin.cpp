// The browser engine plugin, loaded for real in a process of its own, shows the game's pages and
// keeps pages, the game's own and hostile ones put into its folder, from going where the game does
// not allow.

#include "support/gametest.h"

#include "common/registry.h"
#include "online/frmhelp.h"
#include "online/webview.h"

#include <QApplication>
#include <QFile>
#include <QHostAddress>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

QByteArray page(const QByteArray &title, const QByteArray &body = {}, const QByteArray &head = {})
{
    return "<html><head><title>" + title + "</title>" + head + "</head><body>" + body
           + "</body></html>";
}

// A page that asks whether to leave it, every time; the engine asks only once the page had a
// player's click.
const QByteArray Trap = page("Trap", "<p style=\"height:300px\">trap</p>",
                             "<script>window.onbeforeunload = function (e) {"
                             " e.preventDefault(); e.returnValue = 'stay'; return 'stay'; };"
                             "</script>");

// Where the engine takes a player's clicks.
QWidget *surface(WebView *view)
{
    QWidget *widget = view->focusProxy();
    while (widget && widget->focusProxy())
        widget = widget->focusProxy();
    return widget;
}

bool shows(WebView *view, const QString &title)
{
    return QTest::qWaitFor(
        [view, &title] { return view->LocationName() == title && !view->Busy(); }, 30000);
}

#define SHOWS(view, title)                                                                         \
    QVERIFY2(shows(view, QStringLiteral(title)), qPrintable((view)->LocationName()))

} // namespace

class WebPluginTest : public GameTest
{
    Q_OBJECT

    // Serves the web pages of these tests on the loopback: the trap at /trap, "next" elsewhere.
    QTcpServer m_server;
    QByteArrayList m_asked; // the requests it had, each from its method to its line end

    QString web(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *socket = m_server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                const QByteArray request = socket->readAll();
                m_asked.append(request.left(request.indexOf('\r')));
                const bool trap = request.startsWith("GET /trap ");
                socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n"
                              "Connection: close\r\n\r\n"
                              + (trap ? Trap : page("next")));
                socket->disconnectFromHost();
            });
        });
    }

    void showsLocalPage()
    {
        // The page tries to leave for a file outside the game's folder at once.
        put(QStringLiteral("\\credits.htm"),
            "<html><head><title>Smoke</title><meta http-equiv=\"refresh\" "
            "content=\"0;url=file:///etc/hostname\"></head><body><p>credits</p></body></html>");
        WebView view;
        QVERIFY(view.usesBrowserEngine());
        QSignalSpy completed(&view, &WebView::DocumentComplete);
        view.Navigate(path(QStringLiteral("\\credits.htm")));
        view.resize(400, 300);
        view.show();
        QTRY_VERIFY_WITH_TIMEOUT(completed.count() > 0, 60000);
        QCOMPARE(view.LocationName(), QStringLiteral("Smoke"));
        QCOMPARE(view.LocationURL(),
                 QUrl::fromLocalFile(path(QStringLiteral("\\credits.htm"))).toString());
        QTest::qWait(500);
        QCOMPARE(view.LocationURL(),
                 QUrl::fromLocalFile(path(QStringLiteral("\\credits.htm"))).toString());
        QVERIFY(!view.Busy());
        QVERIFY(!view.GoBack()); // the refused address never reached the history
    }

    // A page in the program folder reads no file outside it by script and asks nothing of the
    // web.
    void localPageStaysLocal()
    {
        QFile secret(programFolder() + QStringLiteral("/../secret.txt"));
        QVERIFY(secret.open(QIODevice::WriteOnly));
        secret.write("secret");
        secret.close();
        put(QStringLiteral("\\whats\\reader.htm"),
            page("Reader", {},
                 "<script>var x = new XMLHttpRequest();"
                 "try { x.open('GET', '"
                     + QUrl::fromLocalFile(secret.fileName()).toEncoded()
                     + "', false); x.send(); document.title = x.responseText; }"
                       " catch (e) {}</script><img src=\""
                     + web(QStringLiteral("/picture")).toUtf8() + "\"><iframe src=\""
                     + web(QStringLiteral("/frame")).toUtf8() + "\"></iframe>"));
        WebView view;
        view.resize(400, 300);
        view.show();
        view.Navigate(path(QStringLiteral("\\whats\\reader.htm")));
        SHOWS(&view, "Reader");
        QTest::qWait(200);
        QCOMPARE(view.LocationName(), QStringLiteral("Reader"));
        QCOMPARE(m_asked, QByteArrayList());
    }

    // A page that asks to be stayed on is left all the same, by GO and by "<".
    void leaveQuestionAnsweredLeave_data()
    {
        QTest::addColumn<bool>("local");
        QTest::addColumn<bool>("back");
        QTest::newRow("web page, GO") << false << false;
        QTest::newRow("web page, back") << false << true;
        QTest::newRow("own page, GO") << true << false;
    }

    void leaveQuestionAnsweredLeave()
    {
        QFETCH(bool, local);
        QFETCH(bool, back);
        put(QStringLiteral("\\trap.htm"), Trap);
        put(QStringLiteral("\\next.htm"), page("next"));
        const QString trap =
            local ? path(QStringLiteral("\\trap.htm")) : web(QStringLiteral("/trap"));
        const QString next =
            local ? path(QStringLiteral("\\next.htm")) : web(QStringLiteral("/next"));
        WebView view;
        view.resize(400, 300);
        view.show();
        if (back) {
            view.Navigate(next);
            SHOWS(&view, "next");
        }
        view.Navigate(trap);
        SHOWS(&view, "Trap");
        QTest::mouseClick(surface(&view), Qt::LeftButton, {}, QPoint(100, 100));
        QTest::qWait(200);
        if (back)
            QVERIFY(view.GoBack());
        else
            view.Navigate(next);
        SHOWS(&view, "next");
    }

    // A contents link opens its page in the page pane at the first click, and Back returns to
    // the page before it.
    void helpBackAfterContentsLink()
    {
        // Only the stylesheet beside it makes the link a block wide enough for the click.
        put(QStringLiteral("\\whats\\stallix.css"), "body{margin:0} a{display:block;height:60px}");
        put(QStringLiteral("\\whats\\stallixhelpcon.htm"),
            page("Contents", "<a href=\"topic.htm\" target=\"page\">topic</a>",
                 "<link rel=\"stylesheet\" type=\"text/css\" href=\"stallix.css\">"));
        put(QStringLiteral("\\whats\\stallixhelpmain.htm"), page("Main"));
        put(QStringLiteral("\\whats\\topic.htm"), page("Topic"));
        const int windows = QApplication::topLevelWidgets().size();
        frmHelp *help = form<frmHelp>();
        showForm(help);
        SHOWS(help->WebBrowser1, "Contents");
        SHOWS(help->WebBrowser2, "Main");
        QTest::mouseClick(surface(help->WebBrowser1), Qt::LeftButton, {}, QPoint(150, 40));
        SHOWS(help->WebBrowser2, "Topic");
        QCOMPARE(help->WebBrowser1->LocationName(), QStringLiteral("Contents"));
        QCOMPARE(QApplication::topLevelWidgets().size(), windows + 1);
        help->Command1->click();
        SHOWS(help->WebBrowser2, "Main");
    }
};

int main(int argc, char *argv[])
{
    // As the game starts the engine.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
    QApplication app(argc, argv);
    enableBrowserEngine(QStringLiteral(STALLIX_WEBENGINE_PLUGIN_FILE));
    WebPluginTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webplugin.moc"
