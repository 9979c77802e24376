#pragma once

#include <QString>

// The game's own version as the update server writes it.
inline const QString OwnVersion = QStringLiteral("66");

enum class ServerVersion { Unreachable, Same, Newer };

// The server's whole answer against our own version: nothing means no server, and any other
// text, a line end after "66" included, is a version we are not.
ServerVersion compareVersion(const QString &answer);

// The update server's base address: the maker's site, or STALLIX_UPDATE_SERVER when set, so
// the check can be tried against a server of one's own.
QString updateServer();
QString versionFileUrl();
// The download page lives on the maker's site whichever server answers the check.
QString downloadPageUrl();

// Fetches the version file, waiting for it, and compares it.
ServerVersion checkServerVersion();
// The one box both checks show when the server gave nothing.
void reportServerDown();
// Leaves the download page for the web window and shows it; an open web window only comes
// forward and opens the page the next time it is created.
void openDownloadPage();
