#pragma once

#include <QString>

// Where the game's files live. Game paths are written as the game writes them,
// with backslashes ("\data\user3cash.hor"), and resolved under the program folder.

// The program folder as production finds it: $STALLIX_HOME, else the executable's
// folder when it has a data subfolder, else $XDG_DATA_HOME/stallix, created and stocked.
QString resolveProgramFolder();
// Drive C of the Wine prefix: $STALLIX_DRIVE_C, else $WINEPREFIX/drive_c, else ~/.wine/drive_c.
QString resolveDriveC();

// A game path ("\data\x.hor") under the current program folder.
QString gamePath(const QString &gameRelative);
// A Windows path ("c:\loc.501", "C:\Program Files\X") on drive C; other drive letters
// resolve beside drive C, where nothing is found. A path rooted with a backslash ("\Old") is
// on drive C too; any other path only has its backslashes turned into slashes. Names on
// drive C match without regard to letter case, as Windows programs see them; an exact match wins.
QString windowsPath(const QString &path);
