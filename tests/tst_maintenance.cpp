#include "support/gametest.h"
#include "support/login.h"

#include "common/registry.h"
#include "profiles/frmcontrol.h"
#include "profiles/userprofile.h"

#include <QDir>
#include <QDirIterator>
#include <QFocusEvent>
#include <QMap>

#include <optional>

// Renaming a player and changing a password in the login window's maintenance area.
class MaintenanceTest : public GameTest
{
    Q_OBJECT

    using Files = QMap<QString, QByteArray>;

    // Every file of the program folder with its bytes.
    Files snapshot() const
    {
        Files files;
        QDirIterator it(programFolder(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            files.insert(file, bytes(file.mid(programFolder().size())));
        }
        return files;
    }

    static frmcontrol *chosen(int slot)
    {
        frmcontrol *w = form<frmcontrol>();
        w->combo1->setCurrentRow(slot - 1);
        w->Command9->click();
        return w;
    }

    // The prompts asked so far, as "text | title".
    QStringList promptsAsked() const
    {
        QStringList asked;
        for (const auto &p : sv().prompts)
            asked << p.text + QStringLiteral(" | ") + p.title;
        return asked;
    }

    void verifyPlainBoxes() const
    {
        for (const auto &box : sv().boxes) {
            QCOMPARE(box.icon, MsgIcon::None);
            QCOMPARE(box.title, QStringLiteral("Stallix6"));
        }
    }

    static void press(frmcontrol *w, const QString &operation)
    {
        (operation == QLatin1String("rename") ? w->Command5 : w->Command7)->click();
    }

private slots:
    void moreShowsMaintenance()
    {
        writeDefaultProfiles();
        frmcontrol *w = chosen(1);
        showForm(w);
        const int small = w->height();
        QCOMPARE(w->Command5->toolTip(), QStringLiteral("To rename user first select user name"));
        QCOMPARE(w->Command7->toolTip(),
                 QStringLiteral("To change user password  first select user name"));

        w->Command8->click();
        QCOMPARE(w->Command8->text(), QStringLiteral("Less <<"));
        QCOMPARE(w->height(), small + 100);
        for (QWidget *shown :
             {static_cast<QWidget *>(w->Label1), static_cast<QWidget *>(w->Command5),
              static_cast<QWidget *>(w->Command7)}) {
            const QRect area(shown->mapTo(w, QPoint(0, 0)), shown->size());
            QVERIFY2(w->rect().contains(area), qPrintable(shown->objectName()));
        }

        w->Command8->click();
        QCOMPARE(w->Command8->text(), QStringLiteral("More >>"));
        QCOMPARE(w->height(), small);
    }

    // Slot 2's password was read by Play before slot 3 is chosen, so a check against the
    // password the window last held would let "two" in.
    void currentPasswordGuards_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QByteArray>("file"); // "missing": no password file
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("outcome"); // the one box shown
        const QString renamed = QStringLiteral("User 3 As Been Renamed Neo");
        const QString changed = QStringLiteral("Your Password As Been Changed");
        const QString renameRefused =
            QStringLiteral("Incorrect Password, Please Check And Try Again");
        const QString changeRefused = QStringLiteral("Password Is Incorrect");

        QTest::newRow("rename, exact")
            << "rename" << QByteArray("Secret Key\r\n") << "Secret Key" << renamed;
        QTest::newRow("rename, other case")
            << "rename" << QByteArray("Secret Key\r\n") << "secret key" << renameRefused;
        QTest::newRow("rename, last line counts")
            << "rename" << QByteArray("first\r\nsecond\r\n") << "first" << renameRefused;
        QTest::newRow("rename, empty line and Cancel")
            << "rename" << QByteArray("\r\n") << "" << renamed;
        QTest::newRow("rename, missing file takes the default")
            << "rename" << QByteArray("missing") << "2864" << renamed;
        QTest::newRow("password, exact")
            << "password" << QByteArray("Secret Key\r\n") << "Secret Key" << changed;
        QTest::newRow("password, extra blank")
            << "password" << QByteArray("Secret Key\r\n") << "Secret Key " << changeRefused;
        QTest::newRow("password, no line at all") << "password" << QByteArray() << "" << changed;
        QTest::newRow("password, missing file, another slot's password")
            << "password" << QByteArray("missing") << "two" << changeRefused;
    }

    void currentPasswordGuards()
    {
        QFETCH(QString, operation);
        QFETCH(QByteArray, file);
        QFETCH(QString, answer);
        QFETCH(QString, outcome);
        writeDefaultProfiles();
        put(UserProfile::file(2, UserProfile::Password), "two\r\n");
        const QString passwordFile = UserProfile::file(3, UserProfile::Password);
        if (file == "missing")
            remove(passwordFile);
        else
            put(passwordFile, file);
        frmcontrol *w = chosen(2);
        w->Command6->click();
        QCOMPARE(w->txtPass->text(), QStringLiteral("two"));
        w->combo1->setCurrentRow(2);
        w->Command9->click();

        const bool rename = operation == QLatin1String("rename");
        const bool accepted = outcome.contains(QLatin1String("As Been"));
        Files expected = snapshot();
        if (file == "missing")
            expected.insert(path(passwordFile), "2864\r\n");
        if (accepted && rename)
            expected.insert(path(UserProfile::file(3, UserProfile::Name)), "Neo\r\n");
        if (accepted && !rename)
            expected.insert(path(passwordFile), "New\r\n");
        sv().promptAnswers << answer;
        if (accepted && rename)
            sv().promptAnswers << QStringLiteral("Neo");
        if (accepted && !rename)
            sv().promptAnswers << QStringLiteral("New") << QStringLiteral("New");

        press(w, operation);
        QCOMPARE(sv().boxTexts(), QStringList{outcome});
        verifyPlainBoxes();
        QCOMPARE(promptsAsked().first(), QStringLiteral("Enter Password | Enter Your Password"));
        QCOMPARE(snapshot(), expected);
        QCOMPARE(w->Option3->text(),
                 accepted && rename ? QStringLiteral("Neo") : QStringLiteral("user3"));
    }

    void renameWritesAllNames_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("promptUp"); // Play pressed first: the password prompt is shown
        QTest::newRow("slot 1") << 1 << "Ann Lee" << false;
        QTest::newRow("slot 3, Cancel gives the empty name") << 3 << "" << false;
        QTest::newRow("slot 5 with the password prompt up") << 5 << "Eve" << true;
    }

    void renameWritesAllNames()
    {
        QFETCH(int, slot);
        QFETCH(QString, name);
        QFETCH(bool, promptUp);
        writeDefaultProfiles();
        frmcontrol *w = chosen(slot);
        if (promptUp)
            w->Command6->click();
        sv().promptAnswers << QStringLiteral("2864") << name;

        w->Command5->click();
        QCOMPARE(promptsAsked(), (QStringList{"Enter Password | Enter Your Password",
                                              "Enter New Name | Stallix6"}));
        QCOMPARE(sv().boxTexts(),
                 QStringList{QStringLiteral("User %1 As Been Renamed ").arg(slot) + name});
        verifyPlainBoxes();
        QStringList names{"User 1", "user2", "user3", "user4", "user5"};
        names[slot - 1] = name;
        QCOMPARE(loginRows(w), names);
        for (int k = 1; k <= 5; ++k) {
            QCOMPARE(w->slotOption(k)->text(), names[k - 1]);
            QCOMPARE(bytes(UserProfile::file(k, UserProfile::Name)),
                     names[k - 1].toUtf8() + "\r\n");
        }
        // The renamed row is still the chosen one, not a new choice.
        QCOMPARE(w->combo1->currentRow(), slot - 1);
        QVERIFY(w->combo1->item(slot - 1)->isSelected());
        QVERIFY(w->Command6->isEnabled() && w->Command8->isEnabled());
        QCOMPARE(w->Text11->isVisibleTo(w), promptUp);
        QCOMPARE(w->tickedSlot(), slot);
    }

    void changePassword_data()
    {
        QTest::addColumn<QString>("fresh");
        QTest::addColumn<QString>("confirmed");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("changed") << "Nile"
                                 << "Nile"
                                 << "Your Password As Been Changed";
        QTest::newRow("emptied") << ""
                                 << ""
                                 << "Your Password As Been Changed";
        QTest::newRow("confirmation in another case") << "Nile"
                                                      << "nile"
                                                      << "The New Passwords Do Not Match";
    }

    void changePassword()
    {
        QFETCH(QString, fresh);
        QFETCH(QString, confirmed);
        QFETCH(QString, outcome);
        writeDefaultProfiles();
        frmcontrol *w = chosen(4);
        Files expected = snapshot();
        const bool changed = fresh == confirmed;
        if (changed)
            expected.insert(path(UserProfile::file(4, UserProfile::Password)),
                            fresh.toUtf8() + "\r\n");
        sv().promptAnswers << QStringLiteral("2864") << fresh << confirmed;

        w->Command7->click();
        QCOMPARE(promptsAsked(),
                 (QStringList{"Enter Password | Enter Your Password",
                              "Enter New Password | Enter Your New Password",
                              "Re-Enter New Password | Re-Enter Your New Password"}));
        QCOMPARE(sv().boxTexts(), QStringList{outcome});
        verifyPlainBoxes();
        QCOMPARE(snapshot(), expected);
        QCOMPARE(w->txtPass->text(), changed ? fresh : QStringLiteral("2864"));
    }

    // A file that is there but cannot be read (a folder here) refuses before any question
    // and is never written over; a set that cannot be written keeps the old name everywhere.
    void unreadableOrUnwritable_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("unreadable"); // a folder in its place before the window loads
        QTest::addColumn<bool>("fullDisk");      // while the operation runs
        QTest::addColumn<int>("prompts");
        QTest::addColumn<QString>("box");       // empty: one critical box naming the file or folder
        QTest::addColumn<QString>("shownName"); // slot 2's
        const QString none;
        QTest::newRow("rename, own name file unreadable")
            << "rename" << UserProfile::file(2, UserProfile::Name) << false << 0 << none << "user2";
        QTest::newRow("rename, another slot's name file unreadable")
            << "rename" << UserProfile::file(4, UserProfile::Name) << false << 2
            << "User 2 As Been Renamed Neo"
            << "Neo";
        QTest::newRow("rename, password file unreadable")
            << "rename" << UserProfile::file(2, UserProfile::Password) << false << 0 << none
            << "user2";
        QTest::newRow("password, password file unreadable")
            << "password" << UserProfile::file(2, UserProfile::Password) << false << 0 << none
            << "user2";
        QTest::newRow("rename, full disk") << "rename" << none << true << 2 << none << "user2";
        QTest::newRow("password, full disk") << "password" << none << true << 3 << none << "user2";
    }

    void unreadableOrUnwritable()
    {
        QFETCH(QString, operation);
        QFETCH(QString, unreadable);
        QFETCH(bool, fullDisk);
        QFETCH(int, prompts);
        QFETCH(QString, box);
        QFETCH(QString, shownName);
        writeDefaultProfiles();
        if (!unreadable.isEmpty()) {
            remove(unreadable);
            QVERIFY(QDir().mkpath(path(unreadable)));
        }
        frmcontrol *w = chosen(2);
        Files expected = snapshot();
        if (!box.isEmpty())
            expected.insert(path(UserProfile::file(2, UserProfile::Name)), "Neo\r\n");
        sv().promptAnswers << QStringLiteral("2864") << QStringLiteral("Neo")
                           << QStringLiteral("Neo");
        {
            std::optional<FullDisk> full;
            if (fullDisk)
                full.emplace();
            press(w, operation);
        }
        sv().promptAnswers.clear();

        QCOMPARE(sv().prompts.size(), prompts);
        QCOMPARE(sv().boxes.size(), 1);
        if (box.isEmpty()) {
            QCOMPARE(sv().boxes[0].icon, MsgIcon::Critical);
            const QString named = QDir::toNativeSeparators(
                path(unreadable.isEmpty() ? QStringLiteral("\\data") : unreadable));
            QVERIFY2(sv().boxes[0].text.contains(named), qPrintable(sv().boxes[0].text));
        } else {
            QCOMPARE(sv().boxTexts(), QStringList{box});
        }
        QCOMPARE(snapshot(), expected);
        QCOMPARE(w->txtPass->text(), prompts > 0 ? QStringLiteral("2864") : QString());
        QCOMPARE(w->Option2->text(), shownName);
        QCOMPARE(loginRows(w)[1], shownName);
        QVERIFY(w->Command6->isEnabled() && w->Command8->isEnabled());
    }

    void slotButtonsShadeWithFocus()
    {
        writeDefaultProfiles();
        frmcontrol *w = form<frmcontrol>();
        const QColor rest(224, 224, 224);
        const QColor focused(192, 192, 192);
        const auto shadeOf = [](const QRadioButton *o) {
            return o->palette().color(QPalette::Window);
        };
        for (int k = 1; k <= 5; ++k) {
            QRadioButton *option = w->slotOption(k);
            QCOMPARE(shadeOf(option), rest);
            QFocusEvent in(QEvent::FocusIn);
            QCoreApplication::sendEvent(option, &in);
            QCOMPARE(shadeOf(option), focused);
            QFocusEvent out(QEvent::FocusOut);
            QCoreApplication::sendEvent(option, &out);
            QCOMPARE(shadeOf(option), rest);
            QCOMPARE(option->palette().color(QPalette::WindowText), QColor(64, 64, 64));
        }
        w->Option1->click();
        QCOMPARE(shadeOf(w->Option1), focused);
        QTest::mouseDClick(w->Option2, Qt::LeftButton);
        QCOMPARE(shadeOf(w->Option2), focused);
    }
};

QTEST_MAIN(MaintenanceTest)
#include "tst_maintenance.moc"
