#include "weblink.h"

#include "common/globals.h"

void openWebLink(const QString &url)
{
    // WEB WINDOW CALL SITE: the web window takes the address from here once it exists.
    PendingUrl = url;
}
