#include "support/gametest.h"
#include "support/login.h"
#include "support/race.h"

#include "common/dialogs.h"
#include "common/globals.h"
#include "common/numbers.h"
#include "common/registry.h"
#include "common/statusbar.h"
#include "common/twips.h"
#include "mainwindow/form2.h"
#include "mainwindow/form5.h"
#include "mainwindow/frmhall.h"
#include "online/form10.h"
#include "online/frmhelp.h"
#include "online/webview.h"
#include "profiles/form7.h"
#include "profiles/frmcontrol.h"
#include "profiles/userprofile.h"
#include "races/form13.h"
#include "races/form4.h"
#include "races/frmgrand.h"
#include "races/frmgrandrace.h"
#include "races/racepictures.h"

#include <QApplication>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QToolButton>
#include <QToolTip>

class MenusTest : public GameTest
{
    Q_OBJECT

    // Default profiles and slot `slot` logged in through the real login window.
    Form2 *play(int slot = 1, const QString &country = QStringLiteral("United Kingdom"))
    {
        writeDefaultProfiles(country);
        return logIn(slot);
    }

    // The bytes of all ten files of a slot, to prove that nothing was saved.
    QList<QByteArray> slotFiles(int slot) const
    {
        QList<QByteArray> all;
        for (const QString &suffix : UserProfile::allSuffixes())
            all << bytes(UserProfile::file(slot, suffix));
        return all;
    }

    static QToolButton *toolButton(Form2 *main, const QString &key)
    {
        auto *button = qobject_cast<QToolButton *>(
            main->Toolbar3->widgetForAction(ctl<QAction>(main->Toolbar3, key)));
        if (!button)
            qFatal("no tool button for %s", qPrintable(key));
        return button;
    }

    // Top-level windows the player can see.
    static QWidgetList shownWindows()
    {
        QWidgetList shown;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isWindow() && w->isVisible() && !qobject_cast<QMenu *>(w))
                shown << w;
        }
        return shown;
    }

    void checkBox(int index, const QString &text, const QString &title, MsgIcon icon,
                  MsgButtons buttons) const
    {
        QVERIFY(index < sv().boxes.size());
        const ScriptedServices::Box &box = sv().boxes[index];
        QCOMPARE(box.text, text);
        QCOMPARE(box.title, title);
        QCOMPARE(box.icon, icon);
        QCOMPARE(box.buttons, buttons);
    }

private slots:
    void questionsDeclinedChangeNothing_data()
    {
        QTest::addColumn<bool>("logOff");
        QTest::addColumn<MsgResult>("answer");
        QTest::newRow("reset, No") << false << MsgResult::No;
        QTest::newRow("reset, Cancel") << false << MsgResult::Cancel;
        QTest::newRow("log off, No") << true << MsgResult::No;
        QTest::newRow("log off, Cancel") << true << MsgResult::Cancel;
    }

    void questionsDeclinedChangeNothing()
    {
        QFETCH(bool, logOff);
        QFETCH(MsgResult, answer);
        Form2 *main = play(2);
        QVERIFY(main);
        main->Text1->setText(QStringLiteral("1234"));
        main->Text2->setText(QStringLiteral("77"));
        const QList<QByteArray> before = slotFiles(2);

        sv().answers.enqueue(answer);
        (logOff ? main->diffuser : main->rest)->trigger();

        QCOMPARE(sv().boxes.size(), 1);
        if (logOff)
            checkBox(0, "Are You Sure You Wish To Log Off?", "QUESTION", MsgIcon::None,
                     MsgButtons::YesNoCancel);
        else
            checkBox(0, "Are You Sure You Want To Reset Your Cash & Debt Back To 500?",
                     "Reset All Your Data?", MsgIcon::None, MsgButtons::YesNoCancel);
        QCOMPARE(main->Text1->text(), QStringLiteral("1234"));
        QCOMPARE(main->Text2->text(), QStringLiteral("77"));
        QCOMPARE(slotFiles(2), before);
        QVERIFY(!main->Timer2->isActive());
        QCOMPARE(UserSlot, qint16(0));
        QVERIFY(main->isVisible());
        QVERIFY(!loadedForm<frmcontrol>());
    }

    void resetPutsCashAndDebtBackTo500()
    {
        // The message keeps its pound sign whatever the player's currency.
        Form2 *main = play(3, QStringLiteral("Eire"));
        QVERIFY(main);
        QCOMPARE(main->curr->text(), QStringLiteral("$"));
        main->Text1->setText(QStringLiteral("98765"));
        main->Text2->setText(QStringLiteral("4321"));
        main->Label16->setText(QStringLiteral("Mr Ed"));
        main->Option2->setText(QStringLiteral("Mist Runner"));

        sv().answers.enqueue(MsgResult::Yes);
        main->rest->trigger();

        QCOMPARE(sv().boxes.size(), 2);
        checkBox(1, "Cash & Debt Are Now Reset To £500", AppTitle, MsgIcon::None, MsgButtons::Ok);
        QCOMPARE(main->Text1->text(), QStringLiteral("500"));
        QCOMPARE(main->Text2->text(), QStringLiteral("500"));
        QCOMPARE(main->Label16->text(), QStringLiteral("Mr Ed"));
        QCOMPARE(bytes(UserProfile::file(3, UserProfile::Cash)), QByteArray("500\r\n"));
        QCOMPARE(bytes(UserProfile::file(3, UserProfile::Debt)), QByteArray("500\r\n"));
        // The rest of the window is saved as it stands, not reset.
        QCOMPARE(bytes(UserProfile::file(3, UserProfile::Share)), QByteArray("Mr Ed\r\n"));
        QCOMPARE(bytes(UserProfile::file(3, UserProfile::horse(1))), QByteArray("Red Rum\r\n"));
        QCOMPARE(bytes(UserProfile::file(3, UserProfile::horse(2))), QByteArray("Mist Runner\r\n"));
        // A save with its display, for the slot in the window, and nothing for the login window.
        QCOMPARE(UserSlot, qint16(3));
        QVERIFY(main->Timer2->isActive());
        QVERIFY(!loadedForm<frmcontrol>());
    }

    void exitSavesSilentlyAndEnds()
    {
        Form2 *main = play(2);
        QVERIFY(main);
        main->Text1->setText(QStringLiteral("4321"));
        main->Label16->setText(QStringLiteral("Copper Kettle"));

        main->exit->trigger();

        QCOMPARE(sv().programEnds, 1);
        QVERIFY(sv().boxes.isEmpty());
        QCOMPARE(bytes(UserProfile::file(2, UserProfile::Cash)), QByteArray("4321\r\n"));
        QCOMPARE(bytes(UserProfile::file(2, UserProfile::Share)), QByteArray("Copper Kettle\r\n"));
        // The silent save: no display, no change of UserSlot, no other window.
        QVERIFY(!main->Timer2->isActive());
        QCOMPARE(UserSlot, qint16(0));
        QCOMPARE(shownWindows(), QWidgetList{main});
    }

    // The save at the close is the player's last word: a race, a doping offer or a
    // GrandNational left open ends with the main window, settles nothing and brings no main
    // window back, and an unraced GrandNational stake goes back before the save.
    void closingTheMainWindowSavesAndEnds_data()
    {
        QTest::addColumn<QString>("open");
        QTest::addColumn<bool>("inBox"); // closed while the race's first box is up
        QTest::addColumn<QByteArray>("cash");
        QTest::addColumn<QStringList>("boxes");
        const QStringList none;
        const QStringList winner{QStringLiteral("The Winner Was Red Rum (Horse 1)")};
        QTest::newRow("nothing else") << "" << false << QByteArray("40000\r\n") << none;
        QTest::newRow("race running") << "race" << false << QByteArray("40000\r\n") << none;
        QTest::newRow("race at the line, its first box up")
            << "race" << true << QByteArray("40000\r\n") << winner;
        QTest::newRow("doping offer") << "doping" << false << QByteArray("40000\r\n") << none;
        QTest::newRow("GrandNational stake pending")
            << "grand" << false << QByteArray("10000\r\n") << none;
        QTest::newRow("GrandNational raced, its first box up")
            << "grand" << true << QByteArray("9250\r\n") << winner;
    }

    void closingTheMainWindowSavesAndEnds()
    {
        QFETCH(QString, open);
        QFETCH(bool, inBox);
        QFETCH(QByteArray, cash);
        QFETCH(QStringList, boxes);
        Form2 *main = play(4);
        QVERIFY(main);
        main->Timer3->stop(); // the version check would ask the network
        main->Text1->setText(QStringLiteral("40000"));
        main->Text2->setText(QStringLiteral("12"));
        main->Label16->setText(QStringLiteral("Red Rum"));
        const auto closeInBox = [&] {
            sv().boxes.clear();
            sv().duringNextBox = [main] { QVERIFY(main->close()); };
        };

        if (open == QLatin1String("race")) {
            Form4 *race = form<Form4>();
            showForm(race);
            race->Command1->click();
            if (inBox) {
                closeInBox();
                race->progressBar(1)->setValue(13000);
                tickHorse(race, 1);
            }
        } else if (open == QLatin1String("doping")) {
            showForm(form<Form13>());
        } else if (open.startsWith(QLatin1String("grand"))) {
            // The share horse draws post 1.
            for (const int top : {150, 250, 450, 750, 1000})
                sv().draws << draw(top, top);
            sv().draws << draw(1, 5);
            main->sendgn->trigger();
            FrmGrand *grand = loadedForm<FrmGrand>();
            grand->Text3->setEditText(QStringLiteral("750"));
            grand->Command1->click();
            grand->Option2->click();
            grand->Command3->click();
            if (inBox) {
                grand->Command2->click();
                Frmgrandrace *race = loadedForm<Frmgrandrace>();
                for (int k = 1; k <= 5; ++k) {
                    HorsePicture *horse = race->horsePicture(k);
                    horse->move(twipsToPixels(k == 1 ? 8145 : 4500), horse->y());
                }
                sv().draws << draw(1, 300) << draw(50, 50);
                closeInBox();
                race->Command1->click();
            }
        }
        if (!inBox) {
            sv().boxes.clear();
            QVERIFY(main->close());
        }
        flushDeletes();

        QCOMPARE(sv().boxTexts(), boxes);
        QCOMPARE(bytes(UserProfile::file(4, UserProfile::Cash)), cash);
        QCOMPARE(bytes(UserProfile::file(4, UserProfile::Debt)), QByteArray("12\r\n"));
        QCOMPARE(UserSlot, qint16(0));
        QVERIFY(!loadedForm<Form2>());
        QVERIFY(!loadedForm<Form4>() && !loadedForm<Form13>());
        QVERIFY(!loadedForm<FrmGrand>() && !loadedForm<Frmgrandrace>());
        // The way out goes through the hall of fame and the credits; their close ends the game.
        QCOMPARE(sv().programEnds, 0);
        QCOMPARE(shownWindows(), QWidgetList{loadedForm<frmHall>()});
        loadedForm<frmHall>()->Command1->click();
        QCOMPARE(sv().programEnds, 0);
        loadedForm<Form10>()->Command1->click();
        QCOMPARE(sv().programEnds, 1);
        QVERIFY(!loadedForm<Form2>());
    }

    void logOffHandsTheRaceCardToTheNextPlayer()
    {
        writeDefaultProfiles();
        put(UserProfile::file(2, UserProfile::Cash), "2500\r\n");
        put(UserProfile::file(2, UserProfile::Share), "Mist Runner\r\n");
        put(UserProfile::file(2, UserProfile::horse(1)), "Copper Kettle\r\n");
        Form2 *main = logIn(1);
        QVERIFY(main);
        QStringList card;
        for (int k = 1; k <= 5; ++k)
            card << main->oddsLabel(k)->text() << main->Label44[std::size_t(k - 1)]->text();
        const QString tip = main->Label56->text();
        QVERIFY(!tip.isEmpty());
        main->Text1->setText(QStringLiteral("650"));

        sv().answers.enqueue(MsgResult::Yes);
        main->diffuser->trigger();

        // Saved with its display, the main window hidden but kept, a new login window shown.
        QCOMPARE(bytes(UserProfile::file(1, UserProfile::Cash)), QByteArray("650\r\n"));
        QCOMPARE(UserSlot, qint16(1));
        QVERIFY(main->Timer2->isActive());
        QVERIFY(main->isHidden());
        QCOMPARE(loadedForm<Form2>(), main);
        frmcontrol *login = loadedForm<frmcontrol>();
        QVERIFY(login && login->isVisible());
        QCOMPARE(login->combo1->count(), 5);

        QCOMPARE(logIn(2), main);
        QVERIFY(main->isVisible());
        QStringList cardAfter;
        for (int k = 1; k <= 5; ++k)
            cardAfter << main->oddsLabel(k)->text() << main->Label44[std::size_t(k - 1)]->text();
        QCOMPARE(cardAfter, card);
        QCOMPARE(main->Label56->text(), tip);
        QCOMPARE(main->Text1->text(), QStringLiteral("2500"));
        QCOMPARE(main->Option1->text(), QStringLiteral("Copper Kettle"));
        QCOMPARE(main->Label16->text(), QStringLiteral("Mist Runner"));
        QCOMPARE(main->Label24->text(), QStringLiteral("Welcome: user2"));
        QCOMPARE(main->Label23->text(), QStringLiteral("2"));
        QCOMPARE(sv().boxes.size(), 1);
    }

    void logOffShowsALoginWindowLoadedMeanwhile()
    {
        // A money action may have loaded a hidden login window; that one is shown, not a second.
        Form2 *main = play(1);
        QVERIFY(main);
        frmcontrol *hidden = form<frmcontrol>();
        hidden->txtcash->setText(QStringLiteral("4444"));
        QVERIFY(hidden->isHidden());

        sv().answers.enqueue(MsgResult::Yes);
        main->diffuser->trigger();
        QCOMPARE(loadedForm<frmcontrol>(), hidden);
        QVERIFY(hidden->isVisible());
        QCOMPARE(hidden->txtcash->text(), QStringLiteral("4444"));
    }

    void grandNationalEntry_data()
    {
        const QString noShare = UserProfile::NoShares;
        const QString noShareText = QStringLiteral(
            "You Cannot Go To The GrandNational Because You Don't Own Any Shares In Any Horse");
        const QString poorText =
            QStringLiteral("Youy Dont Have Enough Money To Enter Your Horse Into The "
                           "GrandNational. You Need At Least £30,000 To Enter");
        QTest::addColumn<QString>("share");
        QTest::addColumn<QString>("cash");
        QTest::addColumn<QString>("refusal");
        const QString share = QStringLiteral("Mr Ed");
        // The share is asked for before the cash is looked at.
        QTest::newRow("no share, rich") << noShare << "30000" << noShareText;
        QTest::newRow("no share, cash unreadable") << noShare << "lots" << noShareText;
        QTest::newRow("29,999") << share << "29999" << poorText;
        QTest::newRow("negative") << share << "-30000" << poorText;
        QTest::newRow("cash unreadable") << share << "30000abc" << poorText;
        QTest::newRow("cash empty") << share << "" << poorText;
        QTest::newRow("exactly 30,000") << share << "30000" << QString();
        QTest::newRow("30,000 with blanks") << share << " 30000 " << QString();
        QTest::newRow("rich") << share << "2147483647" << QString();
        // Only the exact share line means no share.
        QTest::newRow("share line in another case") << noShare.toLower() << "30000" << QString();
    }

    void grandNationalEntry()
    {
        QFETCH(QString, share);
        QFETCH(QString, cash);
        QFETCH(QString, refusal);
        Form2 *main = play(1);
        QVERIFY(main);
        main->Label16->setText(share);
        main->Text1->setText(cash);
        const QList<QByteArray> before = slotFiles(1);

        main->sendgn->trigger();

        QCOMPARE(sv().boxes.size(), 1);
        if (refusal.isEmpty()) {
            // The fee, with the new cash behind a fixed pound sign.
            const QString left = QString::number(*toWhole(cash) - 30000);
            checkBox(0,
                     QStringLiteral("You Have Been Charged £30,000 To Enter You Horse Into The "
                                    "GrandNational. Your New Cash Status Is: £")
                         + left,
                     AppTitle, MsgIcon::Exclamation, MsgButtons::Ok);
            QCOMPARE(main->Text1->text(), left);
            QVERIFY(loadedForm<FrmGrand>()->isVisible());
        } else {
            checkBox(0, refusal, AppTitle, MsgIcon::Critical, MsgButtons::Ok);
            QCOMPARE(main->Text1->text(), cash);
            QCOMPARE(shownWindows(), QWidgetList{main});
        }
        // Nothing is saved either way.
        QCOMPARE(slotFiles(1), before);
    }

    void toolbarButtonsDoWhatTheirMenuItemsDo()
    {
        Form2 *main = play(2);
        QVERIFY(main);

        // SAVE is the menu's Save All Data.
        main->Text1->setText(QStringLiteral("1111"));
        toolButton(main, "save")->click();
        QCOMPARE(bytes(UserProfile::file(2, UserProfile::Cash)), QByteArray("1111\r\n"));
        QCOMPARE(UserSlot, qint16(2));
        QVERIFY(main->Timer2->isActive());
        QCOMPARE(main->statusBar1()->panelText(2), QStringLiteral("Saving:"));
        main->Text1->setText(QStringLiteral("2222"));
        main->saveme->trigger();
        QCOMPARE(bytes(UserProfile::file(2, UserProfile::Cash)), QByteArray("2222\r\n"));
        QVERIFY(sv().boxes.isEmpty());

        // RESET asks first, as the menu item does.
        sv().answers.enqueue(MsgResult::No);
        toolButton(main, "reset")->click();
        QCOMPARE(main->Text1->text(), QStringLiteral("2222"));
        sv().answers.enqueue(MsgResult::Yes);
        toolButton(main, "reset")->click();
        QCOMPARE(main->Text1->text(), QStringLiteral("500"));
        QCOMPARE(bytes(UserProfile::file(2, UserProfile::Cash)), QByteArray("500\r\n"));

        // Help, the maker's page, and the two that open the horse options and the backup.
        PendingUrl = QStringLiteral("somewhere");
        toolButton(main, "help")->click();
        QCOMPARE(main->Text13->text(), QStringLiteral("\\whats\\stallixhelpmain.htm"));
        toolButton(main, "qurba")->click();
        QCOMPARE(loadedForm<Form10>()->Webcred->LocationURL(),
                 QStringLiteral("http://www.tellary-networks.example/"));
        QVERIFY(PendingUrl.isEmpty());
        toolButton(main, "rename")->click();
        toolButton(main, "restore")->click();
        QCOMPARE(sv().boxes.size(), 3);
        QVERIFY(loadedForm<Form5>() && loadedForm<Form5>()->isVisible());
        QVERIFY(loadedForm<Form7>() && loadedForm<Form7>()->isVisible());
        unload(loadedForm<Form5>());
        unload(loadedForm<Form7>());
        QCOMPARE(shownWindows().size(), 3);
        QVERIFY(shownWindows().contains(loadedForm<frmHelp>()));

        // Keys are matched exactly: another case is no key of the toolbar.
        QAction stranger(QStringLiteral("SAVE"));
        stranger.setData(QStringLiteral("SAVE"));
        main->Text1->setText(QStringLiteral("3333"));
        main->Toolbar3_ButtonClick(&stranger);
        QCOMPARE(bytes(UserProfile::file(2, UserProfile::Cash)), QByteArray("500\r\n"));

        // Log Off asks and leaves, as the menu item does.
        sv().answers.enqueue(MsgResult::Cancel);
        toolButton(main, "Log_Off")->click();
        QVERIFY(main->isVisible());
        sv().answers.enqueue(MsgResult::Yes);
        toolButton(main, "Log_Off")->click();
        QCOMPARE(sv().boxTexts().mid(3),
                 QStringList(2, QStringLiteral("Are You Sure You Wish To Log Off?")));
        QVERIFY(main->isHidden());
        QVERIFY(loadedForm<frmcontrol>() && loadedForm<frmcontrol>()->isVisible());
        QCOMPARE(bytes(UserProfile::file(2, UserProfile::Cash)), QByteArray("3333\r\n"));
    }

    void toolbarLooksAsDesigned()
    {
        Form2 *main = play(1);
        QVERIFY(main);
        const QStringList keys = {"Log_Off", "save", "restore", "rename", "reset", "qurba", "help"};
        QStringList shownKeys;
        for (QAction *action : main->Toolbar3->actions()) {
            shownKeys << action->data().toString();
            QVERIFY2(!action->icon().isNull(), qPrintable(action->objectName()));
        }
        QCOMPARE(shownKeys, keys);

        // The restore button has no tooltip: its caption must not stand in for one.
        QToolButton *save = toolButton(main, "save");
        QToolButton *restore = toolButton(main, "restore");
        QCOMPARE(save->toolTip(), QStringLiteral("Save Data For Current User"));
        QVERIFY(restore->toolTip().trimmed().isEmpty());
        QHelpEvent ask(QEvent::ToolTip, QPoint(2, 2), restore->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(restore, &ask);
        QVERIFY(!QToolTip::isVisible());
        QHelpEvent askSave(QEvent::ToolTip, QPoint(2, 2), save->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(save, &askSave);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("Save Data For Current User"));
        QToolTip::hideText();
    }

    void menuItemsWithoutTheirWindows()
    {
        Form2 *main = play(1);
        QVERIFY(main);
        main->what->trigger();
        QCOMPARE(main->Text13->text(), QStringLiteral("\\whats\\whatsnew6.htm"));
        main->mnuHelp->trigger();
        QCOMPARE(main->Text13->text(), QStringLiteral("\\whats\\stallixhelpmain.htm"));

        // Credits: the local page, and the credits flag cleared so they show at the end again.
        PendingUrl = QStringLiteral("http://elsewhere.example/");
        put("\\data\\show.hor", "1\r\n");
        main->mnuCredit->trigger();
        QCOMPARE(PendingUrl, QString());
        QCOMPARE(bytes("\\data\\show.hor"), QByteArray(" 0 \r\n"));

        for (QAction *item : {main->mnuShowhall, main->backup, main->mnuoption})
            item->trigger();
        QVERIFY(sv().boxes.isEmpty());
        // The help viewer, the credits window and the three windows of these entries came up.
        QCOMPARE(shownWindows().size(), 6);
        QVERIFY(shownWindows().contains(loadedForm<frmHelp>()));
        QVERIFY(shownWindows().contains(loadedForm<Form10>()));
        QVERIFY(loadedForm<frmHall>() && loadedForm<Form7>() && loadedForm<Form5>());

        // The MultiUser handler opens a login window beside the main window.
        main->cntrl_Click();
        QVERIFY(main->isVisible());
        QVERIFY(loadedForm<frmcontrol>() && loadedForm<frmcontrol>()->isVisible());
    }

    void switchedOffEntriesStayUnavailable()
    {
        Form2 *main = play(1);
        QVERIFY(main);
        QVERIFY(!main->cntrl->isEnabled());
        QVERIFY(!main->honline->menuAction()->isEnabled());
        // A disabled entry cannot be chosen: no login window comes up.
        main->cntrl->trigger();
        QVERIFY(!loadedForm<frmcontrol>());
    }

    void shortcutsReachTheMenuItems()
    {
        Form2 *main = play(5);
        QVERIFY(main);
        QVERIFY(QTest::qWaitForWindowActive(main));

        main->Text1->setText(QStringLiteral("9090"));
        QTest::keyClick(main, Qt::Key_F2);
        QCOMPARE(bytes(UserProfile::file(5, UserProfile::Cash)), QByteArray("9090\r\n"));

        sv().answers.enqueue(MsgResult::Cancel);
        QTest::keyClick(main, Qt::Key_L, Qt::ControlModifier);
        sv().answers.enqueue(MsgResult::No);
        QTest::keyClick(main, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(sv().boxTexts(),
                 (QStringList{"Are You Sure You Wish To Log Off?",
                              "Are You Sure You Want To Reset Your Cash & Debt Back To 500?"}));

        QTest::keyClick(main, Qt::Key_F1);
        QCOMPARE(main->Text13->text(), QStringLiteral("\\whats\\stallixhelpmain.htm"));

        QSignalSpy backup(main->backup, &QAction::triggered);
        QSignalSpy options(main->mnuoption, &QAction::triggered);
        QTest::keyClick(main, Qt::Key_F9);
        QTest::keyClick(main, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(backup.count(), 1);
        QCOMPARE(options.count(), 1);

        QTest::keyClick(main, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(sv().programEnds, 1);
    }

    void saveDisplayRunsOnItsTimer()
    {
        Form2 *main = play(1);
        QVERIFY(main);
        main->saveme->trigger();
        QVERIFY(main->Timer2->isActive());
        QTRY_VERIFY(main->progSave->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!main->Timer2->isActive(), 5000);
        QVERIFY(main->progSave->isHidden());
        QCOMPARE(main->statusBar1()->panelText(2), QString());
    }
};

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
