#pragma once

// Opens the game's first window, the splash, which leads on to the country question or the
// login window.
void startGame();
