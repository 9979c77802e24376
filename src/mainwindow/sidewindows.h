#pragma once

// Closes the windows that act on the logged-in player's profile without asking for the
// password again (backup and restore, horse options, the administration prompt and panel),
// so that none of them outlives the player.
void closePlayerWindows();
