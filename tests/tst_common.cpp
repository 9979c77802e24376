#include "support/gametest.h"

#include "common/desktopservices.h"
#include "common/globals.h"
#include "common/numbers.h"
#include "common/paths.h"
#include "common/random.h"
#include "common/registry.h"
#include "common/twips.h"
#include "common/valuefile.h"

#include <QFile>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSet>

#include <limits>

#include <sys/stat.h>
#include <unistd.h>

namespace {
// A window that counts its load and unload routines.
class ProbeForm : public QWidget, public GameForm
{
public:
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloads; }
    int loads = 0;
    int unloads = 0;
};
} // namespace

class TestCommon : public GameTest
{
    Q_OBJECT

private slots:
    void wholeConversion_data();
    void wholeConversion();
    void doubleConversion_data();
    void doubleConversion();
    void leadingNumberRule_data();
    void leadingNumberRule();
    void writtenNumbers();
    void moneyStopsAtTheEdges_data();
    void moneyStopsAtTheEdges();

    void valueFileWritesOneLineWithCrLf();
    void valueFileReadsTheLastLine_data();
    void valueFileReadsTheLastLine();
    void valueFileMissingOrUnwritable();
    void valueFileFullDiskKeepsOldFiles();
    void valueFileReadsOnlyRegularFiles_data();
    void valueFileReadsOnlyRegularFiles();
    void valueFileValueIsOneLine_data();
    void valueFileValueIsOneLine();
    void valueFileSetIsWholeAfterAKillOrAFault_data();
    void valueFileSetIsWholeAfterAKillOrAFault();

    void registryLoadsOnceAndUnloads();
    void registryCloseBoxUnloads();

    void gameAndWindowsPaths();
    void drawsUseScriptedFractions();
    void twipsConvertAt96Dpi();
    void desktopDrawsNeverRepeatAfterAReseed();
};

void TestCommon::wholeConversion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    QTest::newRow("number text") << " 1 " << true << 1;
    QTest::newRow("plain") << "1250" << true << 1250;
    QTest::newRow("half to even down") << "12.5" << true << 12;
    QTest::newRow("half to even up") << "3.5" << true << 4;
    QTest::newRow("two and a half") << "2.5" << true << 2;
    QTest::newRow("negative half") << "-2.5" << true << -2;
    QTest::newRow("exponent") << "1e3" << true << 1000;
    QTest::newRow("D exponent") << "2D2" << true << 200;
    QTest::newRow("hex") << "&H10" << true << 16;
    QTest::newRow("octal") << "&O17" << true << 15;
    QTest::newRow("minus zero") << "-0" << true << 0;
    QTest::newRow("plus sign") << "+7" << true << 7;
    QTest::newRow("largest") << "2147483647" << true << std::numeric_limits<int>::max();
    QTest::newRow("smallest") << "-2147483648" << true << std::numeric_limits<int>::min();
    QTest::newRow("trailing letters") << "12abc" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("blanks only") << "   " << false << 0;
    QTest::newRow("too large") << "3000000000" << false << 0;
    QTest::newRow("just too large") << "2147483648" << false << 0;
    QTest::newRow("placeholder") << "Enter Your Stake......" << false << 0;
    QTest::newRow("blank inside") << "1 2" << false << 0;
    QTest::newRow("lone point") << "." << false << 0;
}

void TestCommon::wholeConversion()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    const std::optional<qint32> result = toWhole(text);
    QCOMPARE(result.has_value(), ok);
    if (ok)
        QCOMPARE(*result, value);
}

void TestCommon::doubleConversion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("fraction kept") << "12.5" << true << 12.5;
    QTest::newRow("blanks around") << " 15 " << true << 15.0;
    QTest::newRow("beyond 32 bits") << "3000000000" << true << 3e9;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
}

void TestCommon::doubleConversion()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    const std::optional<double> result = toDouble(text);
    QCOMPARE(result.has_value(), ok);
    if (ok)
        QCOMPARE(*result, value);
}

void TestCommon::leadingNumberRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("number text") << " 1 " << 1.0;
    QTest::newRow("blanks inside") << "1 2 3" << 123.0;
    QTest::newRow("letters after") << "12abc" << 12.0;
    QTest::newRow("no number") << "yes" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("one point only") << "1.5.5" << 1.5;
    QTest::newRow("exponent") << "1e3x" << 1000.0;
    QTest::newRow("dangling exponent") << "2e" << 2.0;
    QTest::newRow("hex") << "&HFF" << 255.0;
    QTest::newRow("negative") << "- 4" << -4.0;
    QTest::newRow("line feed skipped, carriage return ends") << "1\n2\r3" << 12.0;
    QTest::newRow("beyond any double") << "-1e400" << -qInf();
}

void TestCommon::leadingNumberRule()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(leadingNumber(text), value);
}

void TestCommon::writtenNumbers()
{
    QCOMPARE(numberText(1), QStringLiteral(" 1 "));
    QCOMPARE(numberText(0), QStringLiteral(" 0 "));
    QCOMPARE(numberText(-3), QStringLiteral("-3 "));
    QCOMPARE(numberText(std::numeric_limits<qint64>::min()),
             QStringLiteral("-9223372036854775808 "));
    QCOMPARE(digits(-500), QStringLiteral("-500"));
    QCOMPARE(decimalText(750), QStringLiteral("750"));
    QCOMPARE(decimalText(187.5), QStringLiteral("187.5"));
    QCOMPARE(decimalText(-12.25), QStringLiteral("-12.25"));
}

void TestCommon::moneyStopsAtTheEdges_data()
{
    QTest::addColumn<qint64>("sum");
    QTest::addColumn<QString>("stored");
    const qint64 top = std::numeric_limits<qint32>::max();
    const qint64 bottom = std::numeric_limits<qint32>::min();
    QTest::newRow("inside") << qint64(1250) << "1250";
    QTest::newRow("top edge") << top << "2147483647";
    QTest::newRow("past the top") << top + 20000 << "2147483647";
    QTest::newRow("bottom edge") << bottom << "-2147483648";
    QTest::newRow("past the bottom") << bottom - 1 << "-2147483648";
}

void TestCommon::moneyStopsAtTheEdges()
{
    QFETCH(qint64, sum);
    QFETCH(QString, stored);
    QCOMPARE(moneyText(sum), stored);
    QVERIFY(toWhole(moneyText(sum)).has_value());
}

void TestCommon::valueFileWritesOneLineWithCrLf()
{
    QVERIFY(ValueFile::write(path("\\data\\a.hor"), QStringLiteral("1250")));
    QCOMPARE(bytes("\\data\\a.hor"), QByteArray("1250\r\n"));
    QVERIFY(ValueFile::write(path("\\data\\a.hor"), QString()));
    QCOMPARE(bytes("\\data\\a.hor"), QByteArray("\r\n"));
    QVERIFY(ValueFile::writeNumber(path("\\data\\show.hor"), 0));
    QCOMPARE(bytes("\\data\\show.hor"), QByteArray(" 0 \r\n"));
    QVERIFY(ValueFile::write(path("\\data\\pound.hor"), QStringLiteral("£")));
    QCOMPARE(bytes("\\data\\pound.hor"), QByteArray("\xc2\xa3\r\n"));
}

void TestCommon::valueFileReadsTheLastLine_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one line") << QByteArray("500\r\n") << "500";
    QTest::newRow("two lines") << QByteArray("first\r\nsecond\r\n") << "second";
    QTest::newRow("no final break") << QByteArray("a\r\nb") << "b";
    QTest::newRow("LF lines") << QByteArray("a\nb\n") << "b";
    QTest::newRow("CR lines") << QByteArray("a\rb\r") << "b";
    QTest::newRow("empty last line") << QByteArray("a\r\n\r\n") << "";
    QTest::newRow("one empty line") << QByteArray("\r\n") << "";
    QTest::newRow("no line at all") << QByteArray() << "unchanged";
    QTest::newRow("UTF-8") << QByteArray("Se\xc3\xb1or\r\n") << "Se\u00f1or";
    QTest::newRow("8-bit code page") << QByteArray("Se\xf1or\r\n") << "Se\u00f1or";
    QTest::newRow("Windows-1252 quote and euro")
        << QByteArray("Bob\x92s \x80 5\r\n") << "Bob\u2019s \u20ac 5";
    QTest::newRow("Windows-1252 undefined code") << QByteArray("a\x81\x9f\r\n") << "a\u0081\u0178";
}

void TestCommon::valueFileReadsTheLastLine()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    put("\\data\\v.hor", content);
    QString target = QStringLiteral("unchanged");
    QVERIFY(ValueFile::read(path("\\data\\v.hor"), target));
    QCOMPARE(target, expected);
}

void TestCommon::valueFileMissingOrUnwritable()
{
    QString target = QStringLiteral("kept");
    QVERIFY(!ValueFile::read(path("\\data\\none.hor"), target));
    QCOMPARE(target, QStringLiteral("kept"));

    // A folder standing where the file should be: the write fails and says so.
    QDir().mkpath(path("\\data\\blocked.hor"));
    QVERIFY(!ValueFile::write(path("\\data\\blocked.hor"), QStringLiteral("x")));
    // A failed write into a missing folder leaves nothing behind.
    QVERIFY(!ValueFile::write(path("\\nofolder\\x.hor"), QStringLiteral("x")));
    QVERIFY(!exists("\\nofolder\\x.hor"));
}

void TestCommon::valueFileFullDiskKeepsOldFiles()
{
    put("\\data\\cash.hor", "500\r\n");
    put("\\data\\debt.hor", "500\r\n");
    const QString big(4096, QLatin1Char('9'));

    bool single = true;
    bool fresh = true;
    bool set = true;
    {
        const FullDisk full(1024);
        single = ValueFile::write(path("\\data\\cash.hor"), big);
        fresh = ValueFile::write(path("\\data\\user1n.hor"), big);
        set = ValueFile::writeAll(
            {{path("\\data\\cash.hor"), QStringLiteral("1")}, {path("\\data\\debt.hor"), big}});
    }
    QVERIFY(!single);
    QVERIFY(!fresh);
    QVERIFY(!set);
    QCOMPARE(bytes("\\data\\cash.hor"), QByteArray("500\r\n"));
    QCOMPARE(bytes("\\data\\debt.hor"), QByteArray("500\r\n"));
    QVERIFY(!exists("\\data\\user1n.hor"));
    QCOMPARE(QDir(path("\\data")).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"cash.hor", "debt.hor"}));
}

void TestCommon::valueFileReadsOnlyRegularFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("status");
    const int read = int(ValueFile::Status::Read);
    const int unreadable = int(ValueFile::Status::Unreadable);
    QTest::newRow("file at the cap") << "cap" << read;
    QTest::newRow("file over the cap") << "over" << unreadable;
    QTest::newRow("FIFO") << "fifo" << unreadable;
    QTest::newRow("device") << "device" << unreadable;
    QTest::newRow("folder") << "folder" << unreadable;
    QTest::newRow("dangling link") << "dangling" << unreadable;
    QTest::newRow("nothing") << "missing" << int(ValueFile::Status::Missing);
}

void TestCommon::valueFileReadsOnlyRegularFiles()
{
    QFETCH(QString, kind);
    QFETCH(int, status);
    const QString file = path("\\data\\odd.hor");
    const QByteArray name = QFile::encodeName(file);
    if (kind == "cap" || kind == "over") {
        const qsizetype size = ValueFile::MaxBytes + (kind == "over" ? 1 : 0);
        put("\\data\\odd.hor", QByteArray(size - 2, 'x') + "\r\n");
    } else if (kind == "fifo") {
        QVERIFY(::mkfifo(name.constData(), 0600) == 0);
    } else if (kind == "device") {
        QVERIFY(QFile::link("/dev/zero", file));
    } else if (kind == "folder") {
        QVERIFY(QDir().mkpath(file));
    } else if (kind == "dangling") {
        QVERIFY(QFile::link(path("\\data\\gone.hor"), file));
    }
    QString target = QStringLiteral("kept");
    QCOMPARE(int(ValueFile::load(file, target)), status);
    if (status == int(ValueFile::Status::Read))
        QCOMPARE(target.size(), ValueFile::MaxBytes - 2);
    else
        QCOMPARE(target, QStringLiteral("kept"));
}

void TestCommon::valueFileValueIsOneLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("CR LF") << "12\r\n34"
                           << "12 34";
    QTest::newRow("LF") << "Red\nRum"
                        << "Red Rum";
    QTest::newRow("CR") << "Red\rRum"
                        << "Red Rum";
    QTest::newRow("two breaks") << "a\n\nb"
                                << "a  b";
    QTest::newRow("longer than a line box")
        << QString(40000, QLatin1Char('p')) << QString(40000, QLatin1Char('p'));
    // Cut to the cap at a character boundary: 21,844 three-byte characters fit in 65,534 bytes.
    QTest::newRow("past the cap") << QString(30000, QChar(0x20AC)) << QString(21844, QChar(0x20AC));
}

void TestCommon::valueFileValueIsOneLine()
{
    QFETCH(QString, text);
    QFETCH(QString, readBack);
    QVERIFY(ValueFile::write(path("\\data\\v.hor"), text));
    QString target;
    QVERIFY(ValueFile::read(path("\\data\\v.hor"), target));
    QCOMPARE(target, readBack);
}

void TestCommon::valueFileSetIsWholeAfterAKillOrAFault_data()
{
    // The sets the game writes, by where they lie, how many files they have and how many of
    // those are there before: "stick" is a backup folder outside the program folder.
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("existing");
    QTest::addColumn<QString>("fault");
    // "links fail": a FAT or exFAT stick; "last rename fails": a folder in the last one's way.
    for (const char *fault :
         {"none", "links fail", "last rename fails", "links fail, last rename fails"}) {
        QTest::addRow("save, %s", fault) << "data" << 8 << 8 << fault;
        QTest::addRow("first backup, %s", fault) << "stick" << 10 << 0 << fault;
        QTest::addRow("backup over an older one, %s", fault) << "stick" << 10 << 10 << fault;
        QTest::addRow("hall of fame, names missing, %s", fault) << "hall" << 10 << 5 << fault;
    }
}

// Killed after every change a set makes to the disk, the next start, with the program folder
// and the backup folder moved elsewhere meanwhile, finds the whole old set or the whole new
// one, and none of the game's own temporary files.
void TestCommon::valueFileSetIsWholeAfterAKillOrAFault()
{
    QFETCH(QString, folder);
    QFETCH(int, count);
    QFETCH(int, existing);
    QFETCH(QString, fault);
    const QString root = QFileInfo(programFolder()).absolutePath();
    const QString program = programFolder();
    const QString base = folder == "stick" ? root + "/usb" : program;
    const QString movedBase = base + " moved";
    auto at = [&](int i, bool moved) {
        return QStringLiteral("%1/%2/file%3.hor").arg(moved ? movedBase : base, folder).arg(i);
    };
    const bool blocked = fault.contains("last rename fails");
    const int compared = count - (blocked ? 1 : 0);
    existing = qMin(existing, compared);
    QStringList oldSet;
    QStringList newSet;
    QList<ValueFile::Entry> entries;
    for (int i = 0; i < count; ++i) {
        oldSet << (i < existing ? QStringLiteral("old %1\r\n").arg(i) : QString());
        newSet << QStringLiteral("new %1\r\n").arg(i);
        entries.append({at(i, false), QStringLiteral("new %1").arg(i)});
    }
    oldSet = oldSet.mid(0, compared);
    newSet = newSet.mid(0, compared);
    const auto noFaults = qScopeGuard([] {
        ValueFile::Faults::setLinksFail(false);
        ValueFile::Faults::stopAfter(-1);
    });
    ValueFile::Faults::setLinksFail(fault.startsWith("links fail"));

    for (int changes = 0;; ++changes) {
        QDir(base + "/" + folder).removeRecursively();
        QDir().mkpath(base + "/" + folder);
        for (int i = 0; i < existing; ++i) {
            QFile file(at(i, false));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(oldSet[i].toUtf8()) > 0);
        }
        if (blocked)
            QDir().mkpath(at(count - 1, false));

        ValueFile::Faults::stopAfter(changes);
        const bool written = ValueFile::writeAll(entries);
        const bool cut = ValueFile::Faults::stopped();
        ValueFile::Faults::stopAfter(-1);

        QVERIFY(QDir().rename(base, movedBase));
        sv().moveProgramFolder(base == program ? movedBase : program);
        ValueFile::finishInterruptedWrites(
            {sv().programFolder() + "/data", sv().programFolder() + "/hall"});
        ValueFile::finishInterruptedSet(movedBase + "/" + folder);
        QStringList found;
        for (int i = 0; i < compared; ++i) {
            QFile file(at(i, true));
            found << (file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "");
        }
        const QStringList leftovers =
            QDir(movedBase + "/" + folder)
                .entryList({"*.stallix-*", "stallix-set.*"}, QDir::Files | QDir::Hidden);
        QVERIFY(QDir().rename(movedBase, base));
        sv().moveProgramFolder(program);

        const QByteArray where = "after " + QByteArray::number(changes) + " changes";
        QVERIFY2(found == oldSet || found == newSet, where + ": " + found.join('|').toUtf8());
        QVERIFY2(leftovers.isEmpty(), where + ": " + leftovers.join(' ').toUtf8());
        if (!cut) {
            QCOMPARE(written, !blocked);
            QCOMPARE(found, written ? newSet : oldSet);
            break;
        }
    }
}

void TestCommon::registryLoadsOnceAndUnloads()
{
    QVERIFY(!loadedForm<ProbeForm>());
    ProbeForm *first = form<ProbeForm>();
    QCOMPARE(first->loads, 1);
    QVERIFY(!first->isVisible());
    QCOMPARE(form<ProbeForm>(), first);
    QCOMPARE(first->loads, 1);

    QPointer<ProbeForm> guard(first);
    unload(first);
    QCOMPARE(first->unloads, 1);
    QVERIFY(!loadedForm<ProbeForm>());
    unload(first); // a second unload of the same window does nothing
    QCOMPARE(first->unloads, 1);
    flushDeletes();
    QVERIFY(guard.isNull());

    ProbeForm *second = form<ProbeForm>();
    QCOMPARE(second->loads, 1);
}

void TestCommon::registryCloseBoxUnloads()
{
    ProbeForm *window = form<ProbeForm>();
    showForm(window);
    QVERIFY(window->isVisible());
    window->close();
    QCOMPARE(window->unloads, 1);
    QVERIFY(!loadedForm<ProbeForm>());
}

void TestCommon::gameAndWindowsPaths()
{
    QCOMPARE(gamePath("\\data\\user3cash.hor"), programFolder() + "/data/user3cash.hor");
    QCOMPARE(windowsPath("c:\\loc.501"), driveCFolder() + "/loc.501");
    QCOMPARE(windowsPath("C:\\Program Files\\Old\\data\\x.hor"),
             driveCFolder() + "/Program Files/Old/data/x.hor");
    QVERIFY(windowsPath("D:\\Games").endsWith("/drive_d/Games"));
    QCOMPARE(windowsPath("\\Old\\data"), driveCFolder() + "/Old/data");
    QCOMPARE(windowsPath("/opt/old"), QStringLiteral("/opt/old"));

    // Drive C as a Windows program sees it: letter case does not matter, an exact name wins.
    QDir().mkpath(driveCFolder() + "/Vantrel/Data");
    QDir().mkpath(driveCFolder() + "/VANTREL");
    QDir().mkpath(driveCFolder() + "/Program Files");
    QCOMPARE(windowsPath("c:\\PROGRAM FILES\\Old"), driveCFolder() + "/Program Files/Old");
    QCOMPARE(windowsPath("C:\\Vantrel\\DATA\\x.hor"), driveCFolder() + "/Vantrel/Data/x.hor");
    QCOMPARE(windowsPath("\\VANTREL\\"), driveCFolder() + "/VANTREL");
}

void TestCommon::drawsUseScriptedFractions()
{
    sv().draws << 0.0 << 0.999999 << 0.5;
    QCOMPARE(drawUpTo(5), 1);
    QCOMPARE(drawUpTo(5), 5);
    QCOMPARE(drawUpTo(4), 3);
    randomize();
    QCOMPARE(sv().randomizeCalls, 1);
}

void TestCommon::twipsConvertAt96Dpi()
{
    QCOMPARE(twipsToPixels(4000), 266);
    QCOMPARE(twipsToPixels(1500), 100);
    QCOMPARE(pixelsToTwips(100), 1500);
}

void TestCommon::desktopDrawsNeverRepeatAfterAReseed()
{
    // The game reseeds before almost every draw, often within one clock tick: the reseed must
    // stir the sequence on, never start it again.
    DesktopServices desktop;
    QSet<double> seen;
    for (int i = 0; i < 1000; ++i) {
        desktop.randomize();
        const double fraction = desktop.rnd();
        QVERIFY(fraction >= 0.0 && fraction < 1.0);
        seen.insert(fraction);
    }
    QCOMPARE(seen.size(), 1000);
}

QTEST_MAIN(TestCommon)
#include "tst_common.moc"
