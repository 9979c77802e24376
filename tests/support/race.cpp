#include "race.h"

#include "races/form4.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <array>

void tickHorse(Form4 *race, int k)
{
    static constexpr std::array ticks = {&Form4::horse1t_Timer, &Form4::horse2t_Timer,
                                         &Form4::horse3t_Timer, &Form4::horse4t_Timer,
                                         &Form4::horse5t_Timer};
    (race->*ticks.at(static_cast<std::size_t>(k - 1)))();
}

bool runRaceOnItsTimers(Form4 *race)
{
    QPointer<Form4> alive(race);
    QEventLoop loop;
    QObject::connect(race, &QObject::destroyed, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    return alive.isNull();
}

void runRaceByHand(Form4 *race)
{
    for (int k = 1; k <= 5; ++k)
        race->horseTimer(k)->stop(); // the caller is the clock
    // The settlement unloads the window, so the loop asks the guard, not the window.
    QPointer<Form4> alive(race);
    for (int n = 0; alive && alive->winner == 0 && n < 20000; ++n)
        tickHorse(race, n % 5 + 1);
}
