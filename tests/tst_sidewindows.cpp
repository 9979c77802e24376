#include "support/gametest.h"
#include "support/login.h"

#include "common/registry.h"
#include "mainwindow/form2.h"
#include "mainwindow/form5.h"
#include "mainwindow/frmhall.h"
#include "mainwindow/renaming.h"
#include "profiles/adminrules.h"
#include "profiles/form15.h"
#include "profiles/form7.h"
#include "profiles/frmadim.h"
#include "profiles/frmcontrol.h"
#include "profiles/userprofile.h"
#include "races/form13.h"
#include "races/form4.h"

#include <QDir>
#include <QToolButton>

class TestSideWindows : public GameTest
{
    Q_OBJECT

    Form2 *play(int slot = 1)
    {
        writeDefaultProfiles();
        return logIn(slot);
    }

    static void clickToolButton(Form2 *main, const QString &key)
    {
        auto *button = qobject_cast<QToolButton *>(
            main->Toolbar3->widgetForAction(ctl<QAction>(main->Toolbar3, key)));
        button->click();
    }

    // Types "vault" into the stake box and tries `password` in the prompt that opens.
    void tryAdministration(Form2 *main, const QString &password)
    {
        main->Text3->setEditText(QStringLiteral("vault"));
        Form15 *prompt = loadedForm<Form15>();
        QVERIFY(prompt && prompt->isVisible());
        QCOMPARE(main->Text3->currentText(), QString());
        sv().promptAnswers.enqueue(password);
        prompt->Command1->click();
        QCOMPARE(sv().prompts.last().text, QStringLiteral("Enter The Administration Password:"));
        QCOMPARE(sv().prompts.last().title, QStringLiteral("Enter Password"));
        QCOMPARE(sv().prompts.last().proposed, QStringLiteral(" "));
        flushDeletes();
        QVERIFY(!loadedForm<Form15>());
    }

private slots:
    // The share line and the bet follow their runner to its new name, the last runner of a
    // name counting when two share it.
    void rename_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("share");
        QTest::addColumn<QString>("backed");
        QTest::addColumn<bool>("systemFolder");
        QTest::addColumn<QString>("shareAfter");
        QTest::addColumn<QString>("backedAfter");
        QTest::addColumn<QByteArray>("shareFile"); // "-" = not written
        const QStringList defaults = {"Red Rum", "Desert Orchard", "Mr Ed",
                                      "Whopper Meal With Fries", "Black Beauty"};
        // clang-format off
        QTest::newRow("no share, no bet") << defaults << UserProfile::NoShares << "None Selected"
            << true << UserProfile::NoShares << "None Selected" << QByteArray("-");
        QTest::newRow("share in 3, bet on 2") << defaults << "Mr Ed" << "Desert Orchard"
            << true << "New 3" << "New 2" << QByteArray("-");
        QTest::newRow("share in 1 with the system folder") << defaults << "Red Rum" << "Red Rum"
            << true << "New 1" << "New 1" << QByteArray("New 1\r\n");
        QTest::newRow("share in 2 without the system folder") << defaults << "Desert Orchard"
            << "None Selected" << false << "New 2" << "None Selected" << QByteArray("-");
        QTest::newRow("two of a name: the later") << QStringList{"A", "Twin", "C", "Twin", "E"}
            << "Twin" << "Twin" << true << "New 4" << "New 4" << QByteArray("-");
        QTest::newRow("share in no runner") << defaults << "Gone Horse" << "Gone Horse"
            << true << "Gone Horse" << "Gone Horse" << QByteArray("-");
        // clang-format on
    }

    void rename()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, share);
        QFETCH(QString, backed);
        QFETCH(bool, systemFolder);
        QFETCH(QString, shareAfter);
        QFETCH(QString, backedAfter);
        QFETCH(QByteArray, shareFile);
        Form2 *main = play();
        for (int k = 1; k <= 5; ++k)
            main->runner(k)->setText(before[k - 1]);
        main->Label16->setText(share);
        main->Label57->setText(QStringLiteral("copy"));
        main->Label14->setText(backed);
        if (systemFolder)
            QDir().mkpath(cPath("c:\\windows\\system"));
        const QByteArray savedHorse = bytes(UserProfile::file(1, UserProfile::horse(1)));

        clickToolButton(main, QStringLiteral("rename"));
        Form5 *options = loadedForm<Form5>();
        QVERIFY(options && options->isVisible());
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(options->txtHorse[i]->text(), before[i]);
            options->txtHorse[i]->setText(QStringLiteral("New %1").arg(i + 1));
        }
        options->Command1->click();
        flushDeletes();
        QVERIFY(!loadedForm<Form5>());
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(main->runner(k)->text(), QStringLiteral("New %1").arg(k));
        QCOMPARE(main->Label16->text(), shareAfter);
        QCOMPARE(main->Label14->text(), backedAfter);
        QCOMPARE(main->Label57->text(), QStringLiteral("copy"));
        QFile file(cPath("c:\\windows\\system\\horshare.hor"));
        QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("-"), shareFile);
        QCOMPARE(QDir(cPath("c:\\windows")).exists(), systemFolder);
        // Renaming saves nothing.
        QCOMPARE(bytes(UserProfile::file(1, UserProfile::horse(1))), savedHorse);
    }

    void setsResetAndCloseLeaveTheRunners()
    {
        Form2 *main = play();
        main->mnuoption->trigger();
        Form5 *options = loadedForm<Form5>();
        options->selec[2]->click();
        QCOMPARE(options->txtHorse[4]->text(), QStringLiteral("Pint Of Mild"));
        options->Command2->click();
        QCOMPARE(options->txtHorse[3]->text(), QStringLiteral("Whopper Meal With Fries"));
        options->selec[1]->click();
        options->Command3->click();
        options->Command3->click();
        QCOMPARE(bytes("\\data\\option.hor"), QByteArray(" 1 \r\n"));
        QVERIFY(loadedForm<Form5>());
        options->Command4->click();
        flushDeletes();
        QVERIFY(!loadedForm<Form5>());
        QCOMPARE(main->Option1->text(), QStringLiteral("Red Rum"));
        QVERIFY(sv().boxes.isEmpty());
    }

    // Apply takes the number a text starts with; one that does not fit 32 bits, however
    // large, changes no file and no field.
    void adminAmounts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<qint32>("amount");
        QTest::newRow("letters end the number") << "12abc" << true << 12;
        QTest::newRow("no number") << "abc" << true << 0;
        QTest::newRow("negative") << "-50" << true << -50;
        QTest::newRow("blank inside") << "1 000" << true << 1000;
        QTest::newRow("tab and line feed inside") << "1\t0\n5" << true << 105;
        QTest::newRow("carriage return ends it") << "12\r34" << true << 12;
        QTest::newRow("half down to even") << "2.5" << true << 2;
        QTest::newRow("half up to even") << "3.5" << true << 4;
        QTest::newRow("three thousand million") << "3000000000" << false << 0;
        QTest::newRow("below the range") << "-2147483649" << false << 0;
        QTest::newRow("beyond any number") << "1e400" << false << 0;
        QTest::newRow("four hundred nines") << QString(400, QLatin1Char('9')) << false << 0;
    }

    void adminAmounts()
    {
        QFETCH(QString, text);
        QFETCH(bool, fits);
        QFETCH(qint32, amount);
        Form2 *main = play(2);
        frmadim *panel = form<frmadim>();
        panel->Text3->setText(text);
        panel->Command1->click();
        QCOMPARE(sv().boxTexts().last(),
                 fits
                     ? QStringLiteral("Actions Changed")
                     : QStringLiteral("ERROR! That amount is way too big! Please reduced it now!"));
        const QString cash = fits ? QString::number(amount) : QStringLiteral("500");
        QCOMPARE(bytes(UserProfile::file(1, UserProfile::Cash)), cash.toUtf8() + "\r\n");
        QCOMPARE(main->Text1->text(), cash);
    }

    // Slot 3 plays; the panel works on slot 1's files and on the game in progress.
    void administration()
    {
        Form2 *main = play(3);
        tryAdministration(main, QStringLiteral(" quillet"));
        QCOMPARE(sv().boxTexts(), QStringList{QStringLiteral("Password Is Incorrect")});
        QVERIFY(!loadedForm<frmadim>());

        remove(UserProfile::file(1, UserProfile::Name));
        put(UserProfile::file(1, UserProfile::Cash), "700\r\n");
        tryAdministration(main, Admin::Password);
        frmadim *panel = loadedForm<frmadim>();
        QVERIFY(panel && panel->isVisible());
        QCOMPARE(panel->Text2->text(), QStringLiteral("Text2"));
        QCOMPARE(panel->Text3->text(), QStringLiteral("700"));
        QCOMPARE(panel->Text4->text(), QStringLiteral("500"));

        panel->Text3->setText(QStringLiteral("3000000000"));
        panel->Command1->click();
        QCOMPARE(sv().boxTexts().last(),
                 QStringLiteral("ERROR! That amount is way too big! Please reduced it now!"));
        QCOMPARE(bytes(UserProfile::file(1, UserProfile::Cash)), QByteArray("700\r\n"));
        QCOMPARE(main->Text1->text(), QStringLiteral("500"));

        panel->Text3->setText(QStringLiteral("2500"));
        panel->Text4->setText(QStringLiteral("0"));
        panel->Command1->click();
        QCOMPARE(sv().boxTexts().last(), QStringLiteral("Actions Changed"));
        QCOMPARE(bytes(UserProfile::file(1, UserProfile::Cash)), QByteArray("2500\r\n"));
        QCOMPARE(bytes(UserProfile::file(1, UserProfile::Debt)), QByteArray("0\r\n"));
        QCOMPARE(main->Text1->text(), QStringLiteral("2500"));
        QCOMPARE(main->Text2->text(), QStringLiteral("0"));
        main->saveme->trigger();
        QCOMPARE(bytes(UserProfile::file(3, UserProfile::Cash)), QByteArray("2500\r\n"));

        // A debt that cannot be written leaves the cash as it was too, and says so.
        remove(UserProfile::file(1, UserProfile::Debt));
        QDir().mkpath(path(UserProfile::file(1, UserProfile::Debt)));
        panel->Text3->setText(QStringLiteral("900"));
        panel->Command1->click();
        QCOMPARE(sv().boxes.last().icon, MsgIcon::Critical);
        QVERIFY(sv().boxes.last().text.contains(QDir::toNativeSeparators(path("\\data"))));
        QCOMPARE(bytes(UserProfile::file(1, UserProfile::Cash)), QByteArray("2500\r\n"));
        QCOMPARE(main->Text1->text(), QStringLiteral("2500"));

        // About fifteen seconds, then the panel closes itself.
        QCOMPARE(panel->Timer1->interval() * frmadim::Ticks, 15000);
        QVERIFY(panel->Timer1->isActive());
        for (int tick = 1; tick < frmadim::Ticks; ++tick)
            panel->Timer1_Timer();
        QVERIFY(loadedForm<frmadim>());
        panel->Timer1_Timer();
        QVERIFY(!loadedForm<frmadim>());
    }

    // Nothing that acts on the player's profile or races for them stays open for whoever logs in
    // next.
    void logOffClosesThePlayersWindows()
    {
        Form2 *main = play(2);
        main->mnuoption->trigger();
        main->backup->trigger();
        main->mnuShowhall->trigger();
        showForm(form<Form15>());
        showForm(form<frmadim>());
        // A race left open would settle into the next player's game.
        showForm(form<Form4>());
        showForm(form<Form13>());
        sv().answers.enqueue(MsgResult::Yes);
        main->diffuser->trigger();
        QVERIFY(!loadedForm<Form4>());
        QVERIFY(!loadedForm<Form13>());
        QVERIFY(!loadedForm<Form5>());
        QVERIFY(!loadedForm<Form7>());
        QVERIFY(!loadedForm<Form15>());
        QVERIFY(!loadedForm<frmadim>());
        QVERIFY(!loadedForm<frmHall>());
        QCOMPARE(sv().programEnds, 0);
        QVERIFY(loadedForm<frmcontrol>()->isVisible());
    }
};

QTEST_MAIN(TestSideWindows)
#include "tst_sidewindows.moc"
