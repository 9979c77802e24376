#include "form15.h"

#include "adminrules.h"
#include "common/dialogs.h"
#include "common/placement.h"
#include "frmadim.h"

#include <QVBoxLayout>

Form15::Form15(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      Command1(new QPushButton(QStringLiteral("Enter"), this))
{
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("Tellary Networks Vantrel Administration Area"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Command1);
    connect(Command1, &QPushButton::clicked, this, &Form15::Command1_Click);
    setFixedSize(360, 80);
    centreOnScreen(this);
}

Form15::~Form15() = default;

void Form15::Command1_Click()
{
    const QString answer = inputBox(QStringLiteral("Enter The Administration Password:"),
                                    QStringLiteral("Enter Password"), QStringLiteral(" "));
    if (answer == Admin::Password)
        showForm(form<frmadim>());
    else
        msgBox(QStringLiteral("Password Is Incorrect"));
    unload(this);
}
