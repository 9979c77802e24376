#include "gametest.h"

#include "common/globals.h"
#include "common/registry.h"
#include "common/valuefile.h"
#include "profiles/userprofile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <csignal>
#include <sys/resource.h>

QString GameTest::programFolder() const
{
    return m_dir->path() + QStringLiteral("/game");
}

QString GameTest::driveCFolder() const
{
    return m_dir->path() + QStringLiteral("/prefix/drive_c");
}

QString GameTest::path(const QString &gamePath) const
{
    QString relative = gamePath;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!relative.startsWith(QLatin1Char('/')))
        relative.prepend(QLatin1Char('/'));
    return programFolder() + relative;
}

QString GameTest::cPath(const QString &windowsPath) const
{
    QString relative = windowsPath.mid(2);
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!relative.startsWith(QLatin1Char('/')))
        relative.prepend(QLatin1Char('/'));
    return driveCFolder() + relative;
}

QByteArray GameTest::bytes(const QString &gamePath) const
{
    // A FIFO or a device would never end: only regular files have bytes here.
    if (!QFileInfo(path(gamePath)).isFile())
        return QByteArray();
    QFile file(path(gamePath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void GameTest::put(const QString &gamePath, const QByteArray &content) const
{
    const QString target = path(gamePath);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write fixture file %s", qPrintable(target));
    file.write(content);
}

bool GameTest::exists(const QString &gamePath) const
{
    return QFileInfo::exists(path(gamePath));
}

void GameTest::remove(const QString &gamePath) const
{
    QFile::remove(path(gamePath));
}

QString GameTest::value(const QString &gamePath) const
{
    QString target = QStringLiteral("<missing>");
    ValueFile::read(path(gamePath), target);
    return target;
}

void GameTest::writeDefaultProfiles(const QString &country) const
{
    for (int slot = 1; slot <= 5; ++slot) {
        for (const QString &suffix : UserProfile::allSuffixes())
            put(UserProfile::file(slot, suffix),
                UserProfile::defaultValue(slot, suffix).toUtf8() + "\r\n");
    }
    put(QStringLiteral("\\data\\horcountry.hor"), country.toUtf8() + "\r\n");
    put(QStringLiteral("\\data\\hwiz04.dll"), "0\r\n");
}

void GameTest::flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void GameTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    for (const char *sub : {"/game/data", "/game/hall", "/game/whats", "/prefix/drive_c"})
        QDir().mkpath(m_dir->path() + QLatin1String(sub));
    auto scripted = std::make_unique<ScriptedServices>(programFolder(), driveCFolder());
    m_services = scripted.get();
    installServices(std::move(scripted));
    UserSlot = 0;
    PendingUrl.clear();
}

void GameTest::cleanup()
{
    const QStringList unforeseen = m_services->unexpected;
    unloadAll();
    flushDeletes();
    installServices(nullptr);
    m_services = nullptr;
    m_dir.reset();
    QVERIFY2(unforeseen.isEmpty(), qPrintable(unforeseen.join(QStringLiteral(" | "))));
}

FullDisk::FullDisk(unsigned long bytes)
{
    struct rlimit limit
    {
    };
    ::getrlimit(RLIMIT_FSIZE, &limit);
    m_before = limit.rlim_cur;
    m_handler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = bytes;
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
        qFatal("cannot limit the file size");
}

FullDisk::~FullDisk()
{
    struct rlimit limit
    {
    };
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = m_before;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_handler);
}
