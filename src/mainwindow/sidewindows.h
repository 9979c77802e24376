#pragma once

// Closes the windows that act on the logged-in player's profile without asking for the
// password again (backup and restore, horse options, the administration prompt and panel),
// so that none of them outlives the player.
void closePlayerWindows();

// Ends the player's racing: the ordinary race unsettled and the doping offer unanswered, as if
// closed by the player, and the GrandNational's race unraced. Its betting window is only
// hidden, its field waiting for the next entry, unless `closeGrandNational`.
void closeRaceWindows(bool closeGrandNational);
