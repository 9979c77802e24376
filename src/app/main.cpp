#include "common/httpfetch.h"
#include "common/product.h"
#include "common/registry.h"
#include "online/webview.h"
#include "profiles/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const FetchLibrary fetchLibrary;
    // The browser engine comes from a plugin, after the application exists; it asks for this
    // to be set before.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Without it the browser engine keeps its pages from screen readers on Linux.
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY"))
        qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProductName);
    QApplication::setApplicationVersion(versionText());

    const auto lock = claimProgramFolder();
    if (!lock)
        return 1;
#ifdef STALLIX_WEBENGINE_PLUGIN
    enableBrowserEngine(QCoreApplication::applicationDirPath()
                        + QStringLiteral("/" STALLIX_WEBENGINE_PLUGIN));
#endif
    startGame();
    const int code = QApplication::exec();
    unloadAll();
    return code;
}
