#pragma once

#include <QString>
#include <QStringList>

class Form2;
class frmcontrol;

// Logs a player in through the real login window, as a player would:
//  - opens the login window with form<frmcontrol>() (the loaded one, or a new one whose load
//    runs; set the profile files up first, e.g. with GameTest::writeDefaultProfiles(), or the
//    load runs the first-run set-up and its message box),
//  - selects row slot - 1 of the user list, presses Select Player, then Play,
//  - types `password` and presses Confirm Password when the prompt appears,
//  - runs the hand-over tick at once and flushes deferred deletes.
// Returns the main window, shown, with the login window gone; nullptr when the login did not
// hand over (a wrong password: its message box is recorded and the login window stays).
Form2 *logIn(int slot, const QString &password = QStringLiteral("2864"));

// The names the login window's list shows, top to bottom.
QStringList loginRows(const frmcontrol *login);
