#include "globals.h"

qint16 UserSlot = 0;
QString PendingUrl;
