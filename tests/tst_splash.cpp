#include "support/gametest.h"

#include "common/dialogs.h"
#include "common/linklabel.h"
#include "common/registry.h"
#include "profiles/countries.h"
#include "profiles/form1.h"
#include "profiles/form14.h"
#include "profiles/frmcontrol.h"
#include "profiles/startup.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPointer>

namespace {

const QString Country = QStringLiteral("\\data\\horcountry.hor");

int loginWindows()
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<frmcontrol *>(w))
            ++count;
    }
    return count;
}

} // namespace

class TestSplash : public GameTest
{
    Q_OBJECT

private slots:
    void splashShowsVersionAndWaits();
    void pictureClickHandsOverOnce();
    void realTimerHandsOverOnce();
    void emptyCountryFileCountsAsRecorded();

    void firstRunAsksForCountryFirst();
    void placeholderIsRefused_data();
    void placeholderIsRefused();
    void continueWritesTextAsTyped_data();
    void continueWritesTextAsTyped();
    void unwritableCountryKeepsWindowOpen();
    void closingCountryWindowWritesNothing();
    void recordedCountryPassesStraightOn();

    void countryListOrderAndSpellings();
    void currencyByCountry_data();
    void currencyByCountry();

private:
    // A first run: profiles in place (the login window needs them), no country yet.
    void prepareFirstRun() const;
    Form14 *startFirstRun() const;
    void typeCountry(Form14 *window, const QString &text) const;
};

void TestSplash::prepareFirstRun() const
{
    writeDefaultProfiles();
    remove(Country);
}

Form14 *TestSplash::startFirstRun() const
{
    prepareFirstRun();
    startGame();
    return loadedForm<Form14>();
}

void TestSplash::typeCountry(Form14 *window, const QString &text) const
{
    QLineEdit *edit = window->Comsel->lineEdit();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
    // Enter is where a combo box would complete, correct the case or add to its list.
    QTest::keyClick(edit, Qt::Key_Return);
}

void TestSplash::splashShowsVersionAndWaits()
{
    writeDefaultProfiles();
    startGame();
    Form1 *splash = loadedForm<Form1>();
    QVERIFY(splash);
    QVERIFY(splash->isVisible());
    QCOMPARE(splash->windowTitle(), QStringLiteral("Welcome To Tellary Networks Stallix2002"));
    QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(ctl<QLabel>(splash, QStringLiteral("Label3"))->text(),
             QStringLiteral("Stallix Version  6.6.2"));
    QVERIFY(!ctl<QLabel>(splash, QStringLiteral("Picture1"))->pixmap().isNull());

    QTimer *timer = ctl<QTimer>(splash, QStringLiteral("Timer1"));
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 2000);
    QVERIFY(!loadedForm<frmcontrol>());
    QVERIFY(!loadedForm<Form14>());
}

void TestSplash::pictureClickHandsOverOnce()
{
    writeDefaultProfiles();
    startGame();
    QPointer<Form1> splash = loadedForm<Form1>();
    QVERIFY(splash);
    QTimer *timer = splash->Timer1;

    QTest::mouseClick(ctl<LinkLabel>(splash, QStringLiteral("Picture1")), Qt::LeftButton);
    frmcontrol *login = loadedForm<frmcontrol>();
    QVERIFY(login);
    QVERIFY(login->isVisible());
    QVERIFY(!loadedForm<Form1>());
    QVERIFY(!timer->isActive());

    // A tick that was already queued when the click came must not open a second login
    // window, not even after the first one has gone.
    unload(login);
    QVERIFY(splash); // unloaded, but not yet deleted
    splash->Timer1_Timer();
    splash->Picture1_Click();
    QVERIFY(!loadedForm<frmcontrol>());
    flushDeletes();
    QCOMPARE(loginWindows(), 0);
    QVERIFY(sv().boxes.isEmpty());
}

void TestSplash::realTimerHandsOverOnce()
{
    writeDefaultProfiles();
    startGame();
    QVERIFY(loadedForm<Form1>());
    QTest::qWait(1000);
    QVERIFY2(!loadedForm<frmcontrol>(), "the splash went on before its 2000 ms");
    QTRY_VERIFY_WITH_TIMEOUT(loadedForm<frmcontrol>() != nullptr, 3000);
    QVERIFY(loadedForm<frmcontrol>()->isVisible());
    QVERIFY(!loadedForm<Form1>());
    QTest::qWait(2200);
    flushDeletes();
    QCOMPARE(loginWindows(), 1);
}

void TestSplash::emptyCountryFileCountsAsRecorded()
{
    writeDefaultProfiles();
    put(Country, QByteArray());
    startGame();
    QVERIFY(loadedForm<Form1>());
    QVERIFY(loadedForm<Form1>()->isVisible());
    QVERIFY(!loadedForm<Form14>());
    QCOMPARE(bytes(Country), QByteArray());
}

void TestSplash::firstRunAsksForCountryFirst()
{
    Form14 *window = startFirstRun();
    // The splash is gone during its own load, so it never waits its two seconds.
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(!loadedForm<Form1>());
    QVERIFY(!loadedForm<frmcontrol>());
    QCOMPARE(window->windowTitle(), QStringLiteral("Welcome To Stallix6.6"));
    QVERIFY(!window->Timer1->isActive());
    QCOMPARE(window->Timer1->interval(), 200);
    QCOMPARE(ctl<QLabel>(window, QStringLiteral("Label5"))->text().back(), QLatin1Char(' '));

    auto *box = ctl<QComboBox>(window, QStringLiteral("Comsel"));
    QCOMPARE(box->currentText(), QStringLiteral("Select Country"));
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    QCOMPARE(items, countryList());

    box->setCurrentIndex(box->findText(QStringLiteral("Eire")));
    ctl<QPushButton>(window, QStringLiteral("Command1"))->click();
    QCOMPARE(bytes(Country), QByteArray("Eire\r\n"));
    QVERIFY(!loadedForm<Form14>());
    QVERIFY(loadedForm<frmcontrol>());
    QVERIFY(loadedForm<frmcontrol>()->isVisible());
    QVERIFY(sv().boxes.isEmpty());
}

void TestSplash::placeholderIsRefused_data()
{
    QTest::addColumn<bool>("typed");
    QTest::newRow("left as it came") << false;
    QTest::newRow("typed by hand") << true;
}

void TestSplash::placeholderIsRefused()
{
    QFETCH(bool, typed);
    Form14 *window = startFirstRun();
    QVERIFY(window);
    if (typed)
        typeCountry(window, QStringLiteral("Select Country"));

    window->Command1->click();
    QCOMPARE(sv().boxes.size(), 1);
    QCOMPARE(sv().boxes[0].text, QStringLiteral("Please select your country"));
    QCOMPARE(sv().boxes[0].title, AppTitle);
    QCOMPARE(sv().boxes[0].icon, MsgIcon::None);
    QCOMPARE(sv().boxes[0].buttons, MsgButtons::Ok);
    QVERIFY(!exists(Country));
    QCOMPARE(loadedForm<Form14>(), window);
    QVERIFY(window->isVisible());
    QVERIFY(!loadedForm<frmcontrol>());
}

void TestSplash::continueWritesTextAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("placeholder in another case")
        << "select country" << QByteArray("select country\r\n");
    QTest::newRow("country not in the list") << "Atlantis" << QByteArray("Atlantis\r\n");
    QTest::newRow("start of a listed country, not completed") << "Eir" << QByteArray("Eir\r\n");
    QTest::newRow("listed country in another case") << "eire" << QByteArray("eire\r\n");
    QTest::newRow("blanks kept") << " Eire " << QByteArray(" Eire \r\n");
    QTest::newRow("emptied box") << "" << QByteArray("\r\n");
}

void TestSplash::continueWritesTextAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, written);
    Form14 *window = startFirstRun();
    QVERIFY(window);
    typeCountry(window, typed);
    QCOMPARE(window->Comsel->currentText(), typed);

    window->Command1->click();
    QVERIFY(sv().boxes.isEmpty());
    QCOMPARE(bytes(Country), written);
    QVERIFY(!loadedForm<Form14>());
    QVERIFY(loadedForm<frmcontrol>());
    QCOMPARE(window->Comsel->count(), countryList().size()); // typed text never joins the list
}

void TestSplash::unwritableCountryKeepsWindowOpen()
{
    // Chosen behaviour: say where the country could not be saved and let the player retry,
    // rather than go on and ask again, unexplained, at every start.
    Form14 *window = startFirstRun();
    QVERIFY(window);
    const QString dataFolder = path(QStringLiteral("\\data"));
    QVERIFY(QDir(dataFolder).removeRecursively());
    window->Comsel->setCurrentIndex(window->Comsel->findText(QStringLiteral("France")));

    window->Command1->click();
    QCOMPARE(sv().boxes.size(), 1);
    QVERIFY(sv().boxes[0].text.contains(QDir::toNativeSeparators(dataFolder)));
    QCOMPARE(sv().boxes[0].icon, MsgIcon::Exclamation);
    QCOMPARE(loadedForm<Form14>(), window);
    QVERIFY(!loadedForm<frmcontrol>());
    QCOMPARE(window->Comsel->currentText(), QStringLiteral("France"));

    writeDefaultProfiles();
    remove(Country);
    window->Command1->click();
    QCOMPARE(sv().boxes.size(), 1);
    QCOMPARE(bytes(Country), QByteArray("France\r\n"));
    QVERIFY(loadedForm<frmcontrol>());
    QVERIFY(!loadedForm<Form14>());
}

void TestSplash::closingCountryWindowWritesNothing()
{
    Form14 *window = startFirstRun();
    QVERIFY(window);
    window->Comsel->setCurrentIndex(0);
    window->close();
    QVERIFY(!loadedForm<Form14>());
    QVERIFY(!loadedForm<frmcontrol>());
    QVERIFY(!exists(Country));
}

void TestSplash::recordedCountryPassesStraightOn()
{
    writeDefaultProfiles(QStringLiteral("Japan"));
    Form14 *window = form<Form14>();
    // The login window opens during the load, but the window stays until its timer ticks.
    QVERIFY(loadedForm<frmcontrol>());
    QVERIFY(loadedForm<frmcontrol>()->isVisible());
    QCOMPARE(loadedForm<Form14>(), window);
    QVERIFY(window->Timer1->isActive());
    QCOMPARE(window->Comsel->count(), 0);

    window->Timer1_Timer();
    QVERIFY(!loadedForm<Form14>());
    QVERIFY(!window->Timer1->isActive());
    QCOMPARE(bytes(Country), QByteArray("Japan\r\n"));
    QCOMPARE(loginWindows(), 1);
}

void TestSplash::countryListOrderAndSpellings()
{
    const QStringList expected = {"United Kingdom",
                                  "Austria",
                                  "Belgium",
                                  "Denmark",
                                  "Eire",
                                  "Finland",
                                  "France",
                                  "Germany",
                                  "Greece",
                                  "Italy",
                                  "Luxembourg",
                                  "Netherlands",
                                  "N Ireland",
                                  "Portgual",
                                  "Russia",
                                  "Spain",
                                  "Sweden",
                                  "Switzerland",
                                  "Other Parts Of Europe",
                                  "South America",
                                  "Canada",
                                  "China",
                                  "Japan",
                                  "S Koera",
                                  "Other Parts Of Asia",
                                  "Africa",
                                  "Australlia",
                                  "New Zealand",
                                  "United States Of America"};
    QCOMPARE(countryList(), expected);
    // Every country offered must give the main window a currency.
    for (const QString &country : countryList())
        QVERIFY2(!currencyForCountry(country).isEmpty(), qPrintable(country));
}

void TestSplash::currencyByCountry_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("symbol");
    QTest::newRow("United Kingdom") << "United Kingdom" << QStringLiteral("£");
    QTest::newRow("N Ireland") << "N Ireland" << QStringLiteral("£");
    QTest::newRow("Austria") << "Austria" << QStringLiteral("€");
    QTest::newRow("Denmark") << "Denmark" << QStringLiteral("€");
    QTest::newRow("Sweden") << "Sweden" << QStringLiteral("€");
    QTest::newRow("Switzerland") << "Switzerland" << QStringLiteral("€");
    QTest::newRow("Portgual") << "Portgual" << QStringLiteral("€");
    QTest::newRow("Eire") << "Eire" << QStringLiteral("$");
    QTest::newRow("Russia") << "Russia" << QStringLiteral("$");
    QTest::newRow("Africa") << "Africa" << QStringLiteral("$");
    QTest::newRow("Other Parts Of Europe") << "Other Parts Of Europe" << QStringLiteral("$");
    QTest::newRow("Other Parts Of Asia") << "Other Parts Of Asia" << QStringLiteral("$");
    QTest::newRow("United States Of America") << "United States Of America" << QStringLiteral("$");
    QTest::newRow("other case") << "united kingdom" << QString();
    QTest::newRow("trailing blank") << "United Kingdom " << QString();
    QTest::newRow("corrected spelling") << "Portugal" << QString();
    QTest::newRow("placeholder") << "Select Country" << QString();
    QTest::newRow("empty") << "" << QString();
}

void TestSplash::currencyByCountry()
{
    QFETCH(QString, country);
    QFETCH(QString, symbol);
    QCOMPARE(currencyForCountry(country), symbol);
}

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
