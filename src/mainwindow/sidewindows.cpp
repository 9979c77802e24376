#include "sidewindows.h"

#include "common/registry.h"
#include "form5.h"
#include "profiles/form15.h"
#include "profiles/form7.h"
#include "profiles/frmadim.h"

void closePlayerWindows()
{
    unload(loadedForm<Form7>());
    unload(loadedForm<Form5>());
    unload(loadedForm<Form15>());
    unload(loadedForm<frmadim>());
}
