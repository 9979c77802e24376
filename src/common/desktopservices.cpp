#include "desktopservices.h"

#include "folderprobe.h"
#include "httpfetch.h"
#include "paths.h"

#include <QApplication>
#include <QDateTime>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

#include <chrono>

namespace {
std::uint64_t clockSeed()
{
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
} // namespace

DesktopServices::DesktopServices()
{
    std::random_device device;
    std::seed_seq seed{static_cast<std::uint64_t>(device()), clockSeed()};
    m_generator.seed(seed);
}

MsgResult DesktopServices::messageBox(const QString &text, const QString &title, MsgIcon icon,
                                      MsgButtons buttons)
{
    QMessageBox box;
    box.setWindowTitle(title);
    // Messages quote names and values that players typed: never markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MsgResult::Yes;
    case QMessageBox::No:
        return MsgResult::No;
    case QMessageBox::Cancel:
        return MsgResult::Cancel;
    default:
        // Escape on a question box counts as the last button, as it would on the desktop.
        if (buttons == MsgButtons::YesNo)
            return MsgResult::No;
        if (buttons == MsgButtons::YesNoCancel)
            return MsgResult::Cancel;
        return MsgResult::Ok;
    }
}

QString DesktopServices::prompt(const QString &text, const QString &title, const QString &proposed)
{
    QInputDialog dialog;
    dialog.setWindowTitle(title);
    dialog.setLabelText(text);
    dialog.setTextValue(proposed);
    // The question may quote a player's name: text only.
    for (QLabel *label : dialog.findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

void DesktopServices::randomize()
{
    // Stir the clock in rather than reseeding: two reseeds within one clock tick
    // must not hand out the same draw twice.
    m_generator.discard(1 + clockSeed() % 97);
}

double DesktopServices::rnd()
{
    return std::generate_canonical<double, 53>(m_generator);
}

void DesktopServices::programEnd()
{
    // Leave the event loop without closing windows, so that no unload routine runs.
    QApplication::exit(0);
}

QString DesktopServices::programFolder() const
{
    return resolveProgramFolder();
}

QString DesktopServices::driveC() const
{
    return resolveDriveC();
}

QTime DesktopServices::timeOfDay() const
{
    return QTime::currentTime();
}

QString DesktopServices::fetchText(const QString &url)
{
    return httpGetText(url);
}

bool DesktopServices::canReadFolder(const QString &folder)
{
    return folderReadable(folder).value_or(false);
}
