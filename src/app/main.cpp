#include "common/httpfetch.h"
#include "common/registry.h"
#include "profiles/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const FetchLibrary fetchLibrary;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stallix"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(STALLIX_VERSION_MAJOR)
                                            .arg(STALLIX_VERSION_MINOR)
                                            .arg(STALLIX_VERSION_PATCH));

    startGame();
    const int code = QApplication::exec();
    unloadAll();
    return code;
}
