#include "login.h"

#include "common/registry.h"
#include "mainwindow/form2.h"
#include "profiles/frmcontrol.h"

#include <QCoreApplication>

Form2 *logIn(int slot, const QString &password)
{
    frmcontrol *login = form<frmcontrol>();
    login->combo1->setCurrentRow(slot - 1);
    login->Command9->click();
    login->Command6->click();
    if (login->Text11->isVisibleTo(login)) {
        login->Text11->setText(password);
        login->Command10->click();
    }
    if (!login->Timer1->isActive())
        return nullptr;
    login->Timer1_Timer();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return loadedForm<Form2>();
}

QStringList loginRows(const frmcontrol *login)
{
    QStringList names;
    for (int r = 0; r < login->combo1->count(); ++r)
        names << login->combo1->item(r)->text();
    return names;
}
