#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

// The help and credits pages that ship with the game: the ones the game opens by name are
// there, and every link among them lands on a shipped file, and on an anchor of it when the
// link names one. Nothing reaches outside the pages.
class PagesTest : public QObject
{
    Q_OBJECT

    static QString shipped(const QString &relative)
    {
        QFile file(QStringLiteral(":/share/") + relative);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private slots:
    void initTestCase() { Q_INIT_RESOURCE(stallix); }

    void openedByName_data()
    {
        QTest::addColumn<QString>("page");
        for (const char *page : {"credits.htm", "whats/stallixhelpcon.htm",
                                 "whats/stallixhelpmain.htm", "whats/whatsnew6.htm"})
            QTest::newRow(page) << QString::fromLatin1(page);
    }

    void openedByName()
    {
        QFETCH(QString, page);
        QVERIFY(shipped(page).contains(QLatin1String("</html>")));
    }

    void linksStayAmongThePages_data()
    {
        QTest::addColumn<QString>("page");
        QDirIterator it(QStringLiteral(":/share"), {QStringLiteral("*.htm")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString page = it.next().mid(QStringLiteral(":/share/").size());
            QTest::newRow(qPrintable(page)) << page;
        }
    }

    void linksStayAmongThePages()
    {
        QFETCH(QString, page);
        const QString text = shipped(page);
        QVERIFY(!text.contains(QLatin1String("<script"), Qt::CaseInsensitive));
        const QString folder = QFileInfo(page).path();
        static const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
        for (const auto &match : reference.globalMatch(text)) {
            const QUrl url(match.captured(1));
            QVERIFY2(url.isRelative() && url.host().isEmpty(), qPrintable(match.captured(1)));
            const QString target = url.path().isEmpty()
                                       ? page
                                       : QDir::cleanPath(folder + QLatin1Char('/') + url.path());
            const QString content = shipped(target);
            QVERIFY2(!content.isEmpty(), qPrintable(match.captured(1)));
            if (url.hasFragment())
                QVERIFY2(content.contains(QStringLiteral("name=\"%1\"").arg(url.fragment())),
                         qPrintable(match.captured(1)));
        }
        // The contents pane hands every link to the page pane.
        if (page == QLatin1String("whats/stallixhelpcon.htm"))
            QCOMPARE(text.count(QLatin1String("target=\"page\"")),
                     text.count(QLatin1String("<a href")));
    }
};

QTEST_MAIN(PagesTest)
#include "tst_pages.moc"
