#pragma once

#include <QString>

// No real company stands behind the game. Its maker's web site, which is also the update
// server, sits under .example, a name that can never resolve to anyone's machine.
inline const QString MakerHost = QStringLiteral("www.tellary-networks.example");
inline const QString MakerSite = QStringLiteral("http://") + MakerHost;
inline const QString MakerHomePage = MakerSite + QLatin1Char('/');
