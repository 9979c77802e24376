#pragma once

class Form4;

// One tick of horse k's timer (k = 1..5), handled at once.
void tickHorse(Form4 *race, int k);

// Lets a started race run on its real timers, at their own pace, until it settles and unloads
// itself (at most a minute); returns whether it did.
bool runRaceOnItsTimers(Form4 *race);

// Runs a started race by hand: the real timers are stopped and the five horses tick in turn
// until one reaches the line and the race settles itself.
void runRaceByHand(Form4 *race);
