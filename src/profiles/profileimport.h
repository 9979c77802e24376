#pragma once

// The one-off import of the five player profiles from the maker's earlier product, run by
// the first-run set-up. The marker file c:\loc.501 names the earlier product's folder.
enum class ImportResult {
    Imported,         // all fifty files copied; the success message was shown
    Fallback,         // nothing usable found, or the copies could not be written: the message was
                      // shown and slot 1 holds its default profile
    FallbackUnwritten // as Fallback, but slot 1's default profile could not be written either
};

// Reads all fifty source files, then writes the fifty targets as one set, so a missing source
// or a failed write leaves every target as it was. UserSlot counts the slots 2 to 5 and holds 6
// after a full import.
ImportResult importEarlierProfiles();
