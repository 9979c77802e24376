#pragma once

// The game's random draws, through the services so that tests can script them.

void randomize();
// A fraction in [0, 1).
double rnd();
// A draw 1..m: Int(Rnd * m) + 1.
int drawUpTo(int m);
