#pragma once

#include <QIcon>
#include <QString>

class QWidget;

// The main window's toolbar pictures, painted in code: one per button key ("Log_Off", "save",
// "restore", "rename", "reset", "qurba", "help"). An unknown key gives an empty icon.
QIcon toolbarIcon(const QString &key);

// Keeps a widget from showing any tooltip at all. A tool button whose action has no tooltip of
// its own would otherwise show the button's caption.
void withoutToolTip(QWidget *widget);
