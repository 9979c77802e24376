#include "form2.h"

#include "common/dialogs.h"
#include "common/globals.h"
#include "common/paths.h"
#include "common/statusbar.h"
#include "common/valuefile.h"
#include "profiles/userprofile.h"

#include <QDir>

namespace {
// The slot field's number when it holds exactly "1".."5", else 0.
int slotOf(const QString &field)
{
    for (int slot = 1; slot <= 5; ++slot) {
        if (field == QString::number(slot))
            return slot;
    }
    return 0;
}
} // namespace

bool Form2::writeProfileFiles(int slot)
{
    const QStringList values = {Text1->text(),   Text2->text(),   Label16->text(), Option1->text(),
                                Option2->text(), Option3->text(), Option4->text(), Option5->text()};
    const QStringList suffixes = UserProfile::savedSuffixes();
    // One set: cash and debt on disk always come from the same moment, even when the game
    // dies halfway through the save.
    QList<ValueFile::Entry> set;
    for (int i = 0; i < suffixes.size(); ++i)
        set.append({gamePath(UserProfile::file(slot, suffixes[i])), values[i]});
    return ValueFile::writeAll(set);
}

void Form2::reportSaveFailure()
{
    msgBox(QStringLiteral("Your game could not be saved in full: the folder %1 cannot be "
                          "written to.")
               .arg(QDir::toNativeSeparators(gamePath(QStringLiteral("\\data")))),
           MsgIcon::Critical);
}

void Form2::stopSaving()
{
    m_savingStopped = true;
}

void Form2::horsesave()
{
    if (m_savingStopped)
        return;
    progSave->setValue(0);
    Timer2->start();
    const int slot = slotOf(Label23->text());
    if (slot != 0)
        UserSlot = static_cast<qint16>(slot);
    StatusBar1->setPanelText(2, QStringLiteral("Saving:"));
    if (slot != 0 && !writeProfileFiles(slot))
        reportSaveFailure();
}

void Form2::horsesavenoname()
{
    if (m_savingStopped)
        return;
    const int slot = slotOf(Label23->text());
    if (slot != 0 && !writeProfileFiles(slot))
        reportSaveFailure();
}

void Form2::Timer2_Timer()
{
    progSave->show();
    Label28->show();
    progSave->setValue(progSave->value() + 1);
    if (progSave->value() <= 29) {
        StatusBar1->setPanelText(2, QStringLiteral("Saving Data"));
    } else {
        Timer2->stop();
        progSave->hide();
        Label28->hide();
        StatusBar1->setPanelText(2, QString());
    }
}
