#pragma once

#include <QString>

// Opens an address of the game's own in the web window, through PendingUrl.
void openWebLink(const QString &url);
