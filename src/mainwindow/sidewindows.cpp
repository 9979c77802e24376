#include "sidewindows.h"

#include "common/registry.h"
#include "form5.h"
#include "profiles/form15.h"
#include "profiles/form7.h"
#include "profiles/frmadim.h"
#include "races/form13.h"
#include "races/form4.h"
#include "races/frmgrand.h"
#include "races/frmgrandrace.h"

void closePlayerWindows()
{
    unload(loadedForm<Form7>());
    unload(loadedForm<Form5>());
    unload(loadedForm<Form15>());
    unload(loadedForm<frmadim>());
}

void closeRaceWindows(bool closeGrandNational)
{
    unload(loadedForm<Form4>());
    unload(loadedForm<Form13>());
    unload(loadedForm<Frmgrandrace>());
    if (FrmGrand *grand = loadedForm<FrmGrand>()) {
        if (closeGrandNational)
            unload(grand);
        else
            grand->hide();
    }
}
