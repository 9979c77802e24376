#include "versioncheck.h"

#include "common/dialogs.h"
#include "common/maker.h"
#include "common/services.h"
#include "form10.h"

ServerVersion compareVersion(const QString &answer)
{
    if (answer.isEmpty())
        return ServerVersion::Unreachable;
    return answer == OwnVersion ? ServerVersion::Same : ServerVersion::Newer;
}

QString updateServer()
{
    QString base = qEnvironmentVariable("STALLIX_UPDATE_SERVER");
    if (base.isEmpty())
        base = MakerSite;
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base;
}

QString versionFileUrl()
{
    return updateServer() + QStringLiteral("/stallixver.txt");
}

QString downloadPageUrl()
{
    return MakerSite + QStringLiteral("/stallix");
}

ServerVersion checkServerVersion()
{
    return compareVersion(services().fetchText(versionFileUrl()));
}

void reportServerDown()
{
    msgBox(QStringLiteral("The server is down, please try again later."), MsgIcon::None,
           MsgButtons::Ok, QStringLiteral("Program Update"));
}

void openDownloadPage()
{
    showWebPage(downloadPageUrl());
}
