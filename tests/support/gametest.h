#pragma once

#include "scriptedservices.h"

#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Base of every suite: each test function gets a fresh program folder and drive C,
// scripted services, and the window registry emptied afterwards. Suites that derive from
// it must not declare init() or cleanup() of their own.
class GameTest : public QObject
{
    Q_OBJECT

protected:
    ScriptedServices &sv() const { return *m_services; }

    // Absolute path of a game path ("\data\user1n.hor") under the program folder.
    QString path(const QString &gamePath) const;
    // Absolute path of a Windows path ("c:\loc.501") on the test's drive C.
    QString cPath(const QString &windowsPath) const;
    QString programFolder() const;
    QString driveCFolder() const;

    // Raw bytes of a game file (empty when missing or not a regular file), and writing them raw.
    QByteArray bytes(const QString &gamePath) const;
    void put(const QString &gamePath, const QByteArray &content) const;
    bool exists(const QString &gamePath) const;
    void remove(const QString &gamePath) const;
    // The game's reading of a one-value file; "<missing>" when it cannot be opened.
    QString value(const QString &gamePath) const;

    // All five slots with their default files, passwords included, and a country.
    void writeDefaultProfiles(const QString &country = QStringLiteral("United Kingdom")) const;

    // The scripted fraction that makes a draw 1..m (drawUpTo(m)) come out as `value`.
    static double draw(int value, int m) { return (value - 0.5) / m; }

    // Runs deferred deletes, so unloaded windows are really gone.
    static void flushDeletes();

private slots:
    void init();
    void cleanup();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedServices *m_services = nullptr;
};

// While it lives, every write that would make a file larger than `bytes` fails, as it does on
// a full disk (the file size limit, with its signal ignored). Needs no root.
class FullDisk
{
public:
    explicit FullDisk(unsigned long bytes = 0);
    ~FullDisk();
    Q_DISABLE_COPY_MOVE(FullDisk)

private:
    unsigned long m_before;
    void (*m_handler)(int);
};

// A control of a window by the name the game gives it; aborts the suite when missing,
// since every later step of the test would be meaningless.
template <class T> T *ctl(const QObject *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control %s of type %s in %s", qPrintable(name), T::staticMetaObject.className(),
               qPrintable(window->objectName()));
    return found;
}
