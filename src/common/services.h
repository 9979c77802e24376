#pragma once

#include <QString>
#include <QTime>

#include <memory>

// What the game asks of the outside world. Production talks to Qt and the clock;
// the tests install a scripted stand-in so that every box, draw and path is under control.

enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgResult { Ok, Yes, No, Cancel };

class Services
{
public:
    virtual ~Services() = default;

    virtual MsgResult messageBox(const QString &text, const QString &title, MsgIcon icon,
                                 MsgButtons buttons) = 0;
    // Cancel answers the empty text, like OK on an emptied box.
    virtual QString prompt(const QString &text, const QString &title, const QString &proposed) = 0;

    // Stirs the clock into the generator; never restarts a sequence.
    virtual void randomize() = 0;
    // A fraction in [0, 1).
    virtual double rnd() = 0;

    // Ends the program at once: no window gets its unload routine.
    virtual void programEnd() = 0;

    virtual QString programFolder() const = 0;
    virtual QString driveC() const = 0;
    virtual QTime timeOfDay() const = 0;

    // The whole text at a web address, waiting for it; "" when nothing could be fetched.
    virtual QString fetchText(const QString &url) = 0;

    // Whether a folder can be read. The caller waits about 1.5 s at most: a folder whose volume
    // has not answered by then (a dead network or user-space mount) counts as one that cannot.
    virtual bool canReadFolder(const QString &folder) = 0;
};

Services &services();
// Takes ownership; the previous services are destroyed.
void installServices(std::unique_ptr<Services> replacement);
