#pragma once

#include "services.h"

#include <QString>

// The title of every box that has none of its own.
inline const QString AppTitle = QStringLiteral("Stallix6");

MsgResult msgBox(const QString &text, MsgIcon icon = MsgIcon::None,
                 MsgButtons buttons = MsgButtons::Ok, const QString &title = AppTitle);
// Cancel answers "", which every caller takes as an ordinary answer.
QString inputBox(const QString &text, const QString &title = AppTitle,
                 const QString &proposed = QString());
