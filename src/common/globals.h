#pragma once

#include <QString>

// The two values the whole program shares.

// The slot whose files a save, backup or restore works on; 0 until the first save.
extern qint16 UserSlot;
// The address the web view window opens next; "" means the local credits page.
extern QString PendingUrl;
