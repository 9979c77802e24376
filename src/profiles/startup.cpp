#include "startup.h"

#include "common/registry.h"
#include "profiles/form1.h"

void startGame()
{
    form<Form1>();
    // On a first run the splash has already handed over to the country window and unloaded
    // itself during its load; it must not be shown then.
    if (Form1 *splash = loadedForm<Form1>())
        showForm(splash);
}
