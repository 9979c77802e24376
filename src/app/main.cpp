#include "common/registry.h"
#include "profiles/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stallix"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(STALLIX_VERSION_MAJOR)
                                            .arg(STALLIX_VERSION_MINOR)
                                            .arg(STALLIX_VERSION_PATCH));

    const std::unique_ptr<QLockFile> lock = claimProgramFolder();
    if (!lock)
        return 1;
    startGame();
    const int code = QApplication::exec();
    unloadAll();
    return code;
}
