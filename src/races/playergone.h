#pragma once

#include "common/registry.h"
#include "mainwindow/form2.h"

#include <QPointer>

// A settlement's message boxes let events through, and the way out may close the main window
// or the race meanwhile. Then the race window goes, nothing more is paid into a main window
// that is gone, and none is created.
template <class Race> bool playerGone(const QPointer<Form2> &main, const QPointer<Race> &race)
{
    if (isLoaded(main.data()) && isLoaded(race.data()))
        return false;
    unload(race.data());
    return true;
}
