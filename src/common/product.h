#pragma once

#include <QString>

// The product name as the program's version information gives it (window captions, the
// application name).
inline const QString ProductName = QStringLiteral("Stallix");
