// The browser engine plugin, loaded for real in a process of its own, shows one of the game's
// pages and keeps to the game's addresses.

#include "support/gametest.h"

#include "online/webview.h"

#include <QApplication>
#include <QSignalSpy>

class WebPluginTest : public GameTest
{
    Q_OBJECT

private slots:
    void showsLocalPage()
    {
        put(QStringLiteral("\\credits.htm"),
            "<html><head><title>Smoke</title></head><body><p>credits</p></body></html>");
        WebView view;
        QVERIFY(view.usesBrowserEngine());
        QSignalSpy completed(&view, &WebView::DocumentComplete);
        view.Navigate(QStringLiteral("file:///etc/hostname"));
        view.Navigate(path(QStringLiteral("\\credits.htm")));
        view.resize(400, 300);
        view.show();
        QTRY_VERIFY_WITH_TIMEOUT(completed.count() > 0, 60000);
        QCOMPARE(view.LocationName(), QStringLiteral("Smoke"));
        QCOMPARE(view.LocationURL(),
                 QUrl::fromLocalFile(path(QStringLiteral("\\credits.htm"))).toString());
        QVERIFY(!view.Busy());
        QVERIFY(!view.GoBack()); // the refused address never reached the history
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    enableBrowserEngine(QStringLiteral(STALLIX_WEBENGINE_PLUGIN_FILE));
    WebPluginTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webplugin.moc"
