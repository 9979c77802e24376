#pragma once

#include <QLockFile>

#include <memory>

// Claims the program folder for this run: two games on one folder would overwrite each
// other's progress. When the claim succeeds, finishes or drops what a run that died mid-save
// left behind. Returns the lock to hold until the program ends, or nullptr when another game
// already runs on this folder; the player has then been told, and the program should end.
// A folder where no lock can be made (read-only) does not stop the game.
std::unique_ptr<QLockFile> claimProgramFolder();

// Opens the game's first window, the splash, which leads on to the country question or the
// login window.
void startGame();
