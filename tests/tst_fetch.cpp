#include "common/httpfetch.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <future>
#include <memory>
#include <thread>

// The real fetcher against a server on this machine; nothing here leaves the loopback.
class TestFetch : public QObject
{
    Q_OBJECT

    std::unique_ptr<FetchLibrary> m_library;
    QTcpServer m_server;

    // Answers by path: /66 and /67 with their text, /big with a body over the size limit,
    // /silent never, anything else with 404.
    void answer(QTcpSocket *socket)
    {
        QByteArray request = socket->property("request").toByteArray() + socket->readAll();
        socket->setProperty("request", request);
        if (!request.contains("\r\n\r\n"))
            return;
        const QByteArray path = request.split(' ').value(1);
        QByteArray status = "200 OK";
        QByteArray body;
        if (path == "/66" || path == "/67")
            body = path.mid(1);
        else if (path == "/big")
            body = QByteArray(64 * 1024, '6');
        else if (path == "/silent")
            return;
        else
            status = "404 Not Found", body = "66";
        socket->write("HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: "
                      + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    // The fetch blocks, so it runs beside the event loop that serves it.
    QString fetch(const QString &url)
    {
        FetchLimits quick;
        quick.totalMs = 400; // the silent server is given up on soon
        std::future<QString> result =
            std::async(std::launch::async, [url, quick] { return httpGetText(url, quick); });
        while (result.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
            QTest::qWait(5);
        return result.get();
    }

private slots:
    void initTestCase()
    {
        // A proxy of the machine running the tests must not stand between us and ourselves.
        for (const char *name :
             {"http_proxy", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(name);
        m_library = std::make_unique<FetchLibrary>();
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    void cleanupTestCase()
    {
        m_server.close();
        m_library.reset();
    }

    void answers_data()
    {
        // A path is asked of the local server; a whole address is taken as it stands.
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("text");
        QTest::newRow("66") << "/66"
                            << "66";
        QTest::newRow("67") << "/67"
                            << "67";
        QTest::newRow("404 with a body") << "/missing"
                                         << "";
        QTest::newRow("over the size limit") << "/big"
                                             << "";
        QTest::newRow("no answer in time") << "/silent"
                                           << "";
        QTest::newRow("ftp") << QStringLiteral("ftp://127.0.0.1:%1/66").arg(m_server.serverPort())
                             << "";
        QTest::newRow("file") << "file:///etc/hostname"
                              << "";
        QTest::newRow("no host") << "http:///66"
                                 << "";
    }

    void answers()
    {
        QFETCH(QString, address);
        QFETCH(QString, text);
        if (address.startsWith(QLatin1Char('/')))
            address.prepend(QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()));
        QCOMPARE(fetch(address), text);
    }

    // A name server that never answers: the caller gets no answer at its deadline all the same.
    // Should the bound break, this call never returns and the suite runs into CTest's timeout.
    void lookUpThatNeverEnds()
    {
        FetchLimits limits;
        limits.totalMs = 200;
        limits.lookUpStarts = [] {
            for (;;)
                std::this_thread::sleep_for(std::chrono::hours(1));
        };
        QCOMPARE(
            httpGetText(QStringLiteral("http://update.stallix.invalid/stallixver.txt"), limits),
            QString());
    }
};

QTEST_GUILESS_MAIN(TestFetch)
#include "tst_fetch.moc"
