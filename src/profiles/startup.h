#pragma once

#include <QLockFile>

#include <memory>

// The claim of one game on the program folder, held while the game runs.
class ProgramLock
{
public:
    ~ProgramLock();
    Q_DISABLE_COPY_MOVE(ProgramLock)

    // True when this game holds `data/stallix.lock`; false when that file could not be made
    // (a full disk, a read-only folder) and the folder itself is what keeps other games out.
    bool holdsLockFile() const;

private:
    friend std::unique_ptr<ProgramLock> claimProgramFolder();
    ProgramLock() = default;

    int m_folder = -1;                 // the program folder, open with an exclusive flock
    std::unique_ptr<QLockFile> m_file; // data/stallix.lock
};

// Claims the program folder for this run: two games on one folder would overwrite each
// other's progress. When the claim succeeds, finishes or drops what a run that died mid-save
// left behind. Returns the claim to hold until the program ends, or nullptr when another game
// already runs on this folder (or none can be told apart from it); the player has then been
// told, and the program should end. A lock file left by a game that is gone, or one that
// cannot be read, is taken over; a folder where no lock file can be made does not stop the
// game when no other game holds the folder, and the player is told.
std::unique_ptr<ProgramLock> claimProgramFolder();

// Opens the game's first window, the splash, which leads on to the country question or the
// login window.
void startGame();
