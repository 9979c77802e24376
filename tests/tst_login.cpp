#include "support/gametest.h"
#include "support/login.h"

#include "common/linklabel.h"
#include "common/registry.h"
#include "mainwindow/form2.h"
#include "profiles/frmcontrol.h"
#include "profiles/userprofile.h"

#include <QButtonGroup>
#include <QPointer>

class LoginTest : public GameTest
{
    Q_OBJECT

    // A slot whose every file holds a value of its own, so a mix-up of slots or files shows.
    void putProfile(int slot, const QString &name, const QByteArray &password) const
    {
        const QByteArray n = QByteArray::number(slot);
        put(UserProfile::file(slot, UserProfile::Name), name.toUtf8() + "\r\n");
        put(UserProfile::file(slot, UserProfile::Cash), "1" + n + "50\r\n");
        put(UserProfile::file(slot, UserProfile::Debt), n + "0\r\n");
        put(UserProfile::file(slot, UserProfile::Share), "Share of " + n + "\r\n");
        for (int h = 1; h <= 5; ++h)
            put(UserProfile::file(slot, UserProfile::horse(h)),
                "Horse " + n + "." + QByteArray::number(h) + "\r\n");
        put(UserProfile::file(slot, UserProfile::Password), password);
    }

    static void choose(frmcontrol *w, int slot)
    {
        w->combo1->setCurrentRow(slot - 1);
        w->Command9->click();
    }

    static bool promptShown(frmcontrol *w)
    {
        const bool label = w->Label3->isVisibleTo(w);
        if (label != w->Text11->isVisibleTo(w) || label != w->Command10->isVisibleTo(w))
            qFatal("the password prompt is only partly shown");
        return label;
    }

private slots:
    void opensInChoosingState()
    {
        writeDefaultProfiles();
        frmcontrol *w = form<frmcontrol>();
        showForm(w);

        QCOMPARE(w->windowTitle(), QStringLiteral("stallix login"));
        QCOMPARE(loginRows(w), (QStringList{"User 1", "user2", "user3", "user4", "user5"}));
        QCOMPARE(w->Option3->text(), QStringLiteral("user3"));
        QVERIFY(w->combo1->selectedItems().isEmpty());
        QVERIFY(w->Option1->isChecked());
        QVERIFY(w->Command9->isEnabled() && w->Command2->isEnabled());
        QVERIFY(!w->Command6->isEnabled() && !w->Command8->isEnabled());
        QVERIFY(!promptShown(w));
        QCOMPARE(w->Text11->echoMode(), QLineEdit::Password);
        QCOMPARE(w->Command6->text(), QStringLiteral("&Play >"));
        QCOMPARE(w->Command6->toolTip(),
                 QStringLiteral("Select Your Username And Then Press Play"));
        QCOMPARE(w->Command2->text(), QStringLiteral("E&xit"));
        QCOMPARE(w->Command2->toolTip(), QStringLiteral("Exit Stallix"));
        QCOMPARE(w->Label2->toolTip(), QStringLiteral("Select For 'Help'"));
        QVERIFY(w->Label2->isVisibleTo(w));
        QVERIFY(!w->Timer1->isActive());
        QCOMPARE(w->Timer1->interval(), 1);
        for (QWidget *data :
             {static_cast<QWidget *>(w->Option1), static_cast<QWidget *>(w->txtPass),
              static_cast<QWidget *>(w->txtcash), static_cast<QWidget *>(w->Command1),
              static_cast<QWidget *>(w->Command4)})
            QVERIFY2(!data->isVisibleTo(w), qPrintable(data->objectName()));

        // The maintenance area waits in the 1,500 twips below the window's first height.
        for (QWidget *below :
             {static_cast<QWidget *>(w->Label1), static_cast<QWidget *>(w->Command5),
              static_cast<QWidget *>(w->Command7)}) {
            const QRect area(below->mapTo(w, QPoint(0, 0)), below->size());
            QVERIFY2(area.top() >= w->height() && area.bottom() < w->height() + 100,
                     qPrintable(below->objectName()));
        }
        QVERIFY(sv().boxes.isEmpty());
    }

    void passwordComparedExactly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("exact") << "Secret Key" << true;
        QTest::newRow("other case") << "secret key" << false;
        QTest::newRow("extra trailing blank") << "Secret Key " << false;
        QTest::newRow("extra leading blank") << " Secret Key" << false;
        QTest::newRow("nothing typed") << "" << false;
    }

    void passwordComparedExactly()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        writeDefaultProfiles();
        putProfile(2, QStringLiteral("Bea"), "Secret Key\r\n");
        frmcontrol *w = form<frmcontrol>();
        choose(w, 2);
        w->Command6->click();
        QVERIFY(promptShown(w));
        QVERIFY(!loadedForm<Form2>());

        w->Text11->setText(typed);
        w->Command10->click();
        if (accepted) {
            QVERIFY(sv().boxes.isEmpty());
            QVERIFY(w->Timer1->isActive());
            QCOMPARE(loadedForm<Form2>()->Label23->text(), QStringLiteral("2"));
            return;
        }
        QCOMPARE(sv().boxTexts(), QStringList{"Incorrect Password, Please Check And Try Again"});
        QCOMPARE(sv().boxes[0].icon, MsgIcon::Critical);
        QCOMPARE(sv().boxes[0].title, QStringLiteral("Stallix6"));
        QVERIFY(promptShown(w));
        QCOMPARE(w->Text11->text(), typed);
        QVERIFY(!w->Timer1->isActive());
        QVERIFY(!loadedForm<Form2>());

        // The prompt stays for another try; Enter in the box confirms like the button.
        w->Text11->setText(QStringLiteral("Secret Key"));
        QTest::keyClick(w->Text11, Qt::Key_Return);
        QVERIFY(w->Timer1->isActive());
    }

    void passwordFileDecidesPrompt_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("refused"); // "" when no prompt is expected
        QTest::addColumn<QString>("accepted");
        QTest::newRow("one empty line") << QByteArray("\r\n") << ""
                                        << "";
        QTest::newRow("no line at all") << QByteArray() << ""
                                        << "";
        QTest::newRow("two lines: the second counts")
            << QByteArray("first\r\nsecond\r\n") << "first"
            << "second";
        QTest::newRow("default password") << QByteArray("2864\r\n") << "2865"
                                          << "2864";
    }

    void passwordFileDecidesPrompt()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, refused);
        QFETCH(QString, accepted);
        writeDefaultProfiles();
        put(UserProfile::file(3, UserProfile::Password), file);
        frmcontrol *w = form<frmcontrol>();
        choose(w, 3);
        w->Command6->click();
        QCOMPARE(w->txtPass->text(), accepted);
        if (refused.isEmpty()) {
            QVERIFY(!promptShown(w));
            QVERIFY(w->Timer1->isActive());
            QCOMPARE(loadedForm<Form2>()->Label23->text(), QStringLiteral("3"));
            return;
        }
        QVERIFY(promptShown(w));
        w->Text11->setText(refused);
        w->Command10->click();
        QVERIFY(!w->Timer1->isActive());
        w->Text11->setText(accepted);
        w->Command10->click();
        QVERIFY(w->Timer1->isActive());
        QCOMPARE(sv().boxes.size(), 1);
    }

    void selectPlayerWithoutRowKeepsTick()
    {
        writeDefaultProfiles();
        frmcontrol *w = form<frmcontrol>();
        w->Command9->click();
        QVERIFY(w->Command6->isEnabled() && w->Command8->isEnabled());
        QCOMPARE(w->tickedSlot(), 1);

        choose(w, 4);
        w->combo1->clearSelection();
        w->Command9->click();
        QCOMPARE(w->tickedSlot(), 4);

        w->Command6->click();
        w->Text11->setText(QStringLiteral("2864"));
        w->Command10->click();
        QCOMPARE(loadedForm<Form2>()->Label23->text(), QStringLiteral("4"));
    }

    void newChoiceNeedsSelectPlayerAgain()
    {
        writeDefaultProfiles();
        putProfile(2, QStringLiteral("Bea"), "two\r\n");
        putProfile(4, QStringLiteral("Dan"), "four\r\n");
        frmcontrol *w = form<frmcontrol>();
        choose(w, 2);
        QVERIFY(w->Command6->isEnabled() && w->Command8->isEnabled());
        w->Command6->click();
        w->Text11->setText(QStringLiteral("tw"));

        // A click in the list withdraws Play, More >> and the prompt of slot 2.
        w->combo1->setCurrentRow(3);
        QVERIFY(!w->Command6->isEnabled() && !w->Command8->isEnabled());
        QVERIFY(!promptShown(w));
        QVERIFY(w->Text11->text().isEmpty());
        QCOMPARE(w->tickedSlot(), 2);

        w->Command9->click();
        QCOMPARE(w->tickedSlot(), 4);
        w->Command6->click();
        w->Text11->setText(QStringLiteral("two"));
        w->Command10->click();
        QVERIFY(!w->Timer1->isActive());
        w->Text11->setText(QStringLiteral("four"));
        w->Command10->click();
        QCOMPARE(loadedForm<Form2>()->Txtuser->text(), QStringLiteral("Dan"));
    }

    void clickOnTheChosenRowIsANewChoice()
    {
        writeDefaultProfiles();
        frmcontrol *w = form<frmcontrol>();
        choose(w, 3);
        QVERIFY(w->Command6->isEnabled());
        const QListWidgetItem *row = w->combo1->item(2);
        QTest::mouseClick(w->combo1->viewport(), Qt::LeftButton, {},
                          w->combo1->visualItemRect(row).center());
        QVERIFY(!w->Command6->isEnabled() && !w->Command8->isEnabled());
    }

    void noTickedSlotLoadsNothing()
    {
        writeDefaultProfiles();
        frmcontrol *w = form<frmcontrol>();
        ctl<QButtonGroup>(w, QStringLiteral("slotGroup"))->setExclusive(false);
        w->Option1->setChecked(false);
        w->Command1->click();
        QCOMPARE(sv().boxTexts(),
                 QStringList{"You Must Select Your User Name Before You Can Play Stallix6"});
        QCOMPARE(sv().boxes[0].icon, MsgIcon::None);
        QVERIFY(w->txtcash->text().isEmpty());
        QVERIFY(!w->Timer1->isActive());
        QVERIFY(!loadedForm<Form2>());
    }

    void profileLoadFillsMainWindow()
    {
        writeDefaultProfiles();
        putProfile(4, QStringLiteral("Zoe Quill"), "\r\n");
        frmcontrol *w = form<frmcontrol>();
        QPointer<frmcontrol> login(w);
        choose(w, 4);
        w->Command6->click();

        QCOMPARE(w->txtcash->text(), QStringLiteral("1450"));
        QCOMPARE(w->Txthor5->text(), QStringLiteral("Horse 4.5"));
        Form2 *m = loadedForm<Form2>();
        QVERIFY(m);
        QVERIFY(!m->isVisible());
        QCOMPARE(m->Label23->text(), QStringLiteral("4"));
        QCOMPARE(m->Text1->text(), QStringLiteral("1450"));
        QCOMPARE(m->Text2->text(), QStringLiteral("40"));
        for (int h = 1; h <= 5; ++h)
            QCOMPARE(m->runner(h)->text(), QStringLiteral("Horse 4.%1").arg(h));
        QCOMPARE(m->Label16->text(), QStringLiteral("Share of 4"));
        QCOMPARE(m->Label24->text(), QStringLiteral("Welcome: Zoe Quill"));
        QCOMPARE(m->Txtuser->text(), QStringLiteral("Zoe Quill"));
        // The main window was created after the files were read: its tip names this slot's horse.
        QVERIFY2(m->Label56->text().contains(QStringLiteral("Horse 4.")),
                 qPrintable(m->Label56->text()));

        w->Timer1_Timer();
        QVERIFY(m->isVisible());
        QVERIFY(!loadedForm<frmcontrol>());
        flushDeletes();
        QVERIFY(login.isNull());
        QVERIFY(sv().boxes.isEmpty());
    }

    void handOverTimerRuns()
    {
        writeDefaultProfiles();
        put(UserProfile::file(1, UserProfile::Password), "\r\n");
        frmcontrol *w = form<frmcontrol>();
        showForm(w);
        w->Command9->click();
        w->Command6->click();
        QTRY_VERIFY(!loadedForm<frmcontrol>());
        QVERIFY(loadedForm<Form2>()->isVisible());
    }

    void secondLoginKeepsRaceCard()
    {
        writeDefaultProfiles();
        putProfile(2, QStringLiteral("Bea"), "two\r\n");
        Form2 *first = logIn(1);
        QVERIFY(first && first->isVisible());
        QStringList card;
        for (int k = 1; k <= 5; ++k)
            card << first->oddsLabel(k)->text() << first->Label44[k - 1]->text();
        const QString tip = first->Label56->text();

        first->hide(); // a log off hides the main window and opens a new login window
        showForm(form<frmcontrol>());
        QVERIFY(!logIn(2, QStringLiteral("Two")));
        Form2 *second = logIn(2, QStringLiteral("two"));
        QCOMPARE(second, first);
        QStringList after;
        for (int k = 1; k <= 5; ++k)
            after << second->oddsLabel(k)->text() << second->Label44[k - 1]->text();
        QCOMPARE(after, card);
        QCOMPARE(second->Label56->text(), tip);
        QCOMPARE(second->runner(1)->text(), QStringLiteral("Horse 2.1"));
        QCOMPARE(second->Label24->text(), QStringLiteral("Welcome: Bea"));
    }

    void missingFilesAtPlayAreRecreated()
    {
        writeDefaultProfiles();
        putProfile(2, QStringLiteral("Bea"), "two\r\n");
        remove(UserProfile::file(2, UserProfile::Cash));
        remove(UserProfile::file(2, UserProfile::Password));
        frmcontrol *w = form<frmcontrol>();
        choose(w, 2);
        w->Command6->click();
        QVERIFY(promptShown(w));
        QCOMPARE(bytes(UserProfile::file(2, UserProfile::Password)), QByteArray("2864\r\n"));
        w->Text11->setText(QStringLiteral("2864"));
        w->Command10->click();
        QCOMPARE(bytes(UserProfile::file(2, UserProfile::Cash)), QByteArray("500\r\n"));
        QCOMPARE(bytes(UserProfile::file(2, UserProfile::Debt)), QByteArray("20\r\n"));
        QCOMPARE(loadedForm<Form2>()->Text1->text(), QStringLiteral("500"));
        QVERIFY(sv().boxes.isEmpty());
    }

    void shareLineFromTheFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("line");
        QTest::newRow("0") << QByteArray("0\r\n") << UserProfile::NoShares;
        QTest::newRow("empty line") << QByteArray("\r\n") << UserProfile::NoShares;
        QTest::newRow("no line") << QByteArray() << UserProfile::NoShares;
        QTest::newRow("0 and a blank is a name") << QByteArray("0 \r\n") << QStringLiteral("0 ");
        QTest::newRow("a horse") << QByteArray("Mr Ed\r\n") << QStringLiteral("Mr Ed");
    }

    // The start-up and every later hand-over read the share file by one rule.
    void shareLineFromTheFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, line);
        writeDefaultProfiles();
        put(UserProfile::file(1, UserProfile::Share), file);
        put(UserProfile::file(2, UserProfile::Share), file);
        Form2 *main = logIn(1);
        QVERIFY(main);
        QCOMPARE(main->Label16->text(), line);
        QCOMPARE(main->Label57->text(), line);

        main->Label16->setText(QStringLiteral("Black Beauty")); // the first player buys a share
        main->hide();
        showForm(form<frmcontrol>());
        QCOMPARE(logIn(2), main);
        QCOMPARE(main->Label16->text(), line);
    }

    void exitEndsProgramAtOnce()
    {
        writeDefaultProfiles();
        frmcontrol *w = form<frmcontrol>();
        w->Command2->click();
        QCOMPARE(sv().programEnds, 1);
        QCOMPARE(loadedForm<frmcontrol>(), w);
    }
};

QTEST_MAIN(LoginTest)
#include "tst_login.moc"
