#include "folderprobe.h"

#include "withindeadline.h"

#include <QFile>

#include <string>

#include <unistd.h>

std::optional<bool> folderReadable(const QString &folder, const FolderProbe &probe)
{
    return withinDeadline(std::chrono::milliseconds(probe.waitMs),
                          [path = QFile::encodeName(folder).toStdString(), asking = probe.asking] {
                              if (asking)
                                  asking();
                              return ::access(path.c_str(), R_OK) == 0;
                          });
}
