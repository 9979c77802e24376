#pragma once

#include <QString>

// The product name as the program's version information gives it (window captions, the
// application name).
inline const QString ProductName = QStringLiteral("Stallix");

// major.minor.revision, as the splash window, the about box and the application report it.
inline QString versionText()
{
    return QStringLiteral("%1.%2.%3")
        .arg(STALLIX_VERSION_MAJOR)
        .arg(STALLIX_VERSION_MINOR)
        .arg(STALLIX_VERSION_PATCH);
}
