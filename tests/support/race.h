#pragma once

class Form4;

// One tick of horse k's timer (k = 1..5), handled at once.
void tickHorse(Form4 *race, int k);

// Runs a started race by hand: the real timers are stopped and the five horses tick in turn
// until one reaches the line and the race settles itself.
void runRaceByHand(Form4 *race);
