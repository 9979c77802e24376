#include "dialogs.h"

MsgResult msgBox(const QString &text, MsgIcon icon, MsgButtons buttons, const QString &title)
{
    return services().messageBox(text, title, icon, buttons);
}

QString inputBox(const QString &text, const QString &title, const QString &proposed)
{
    return services().prompt(text, title, proposed);
}
