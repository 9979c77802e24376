#include "form2.h"

#include "common/linklabel.h"

void Form2::connectHandlers()
{
    connect(Timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &Form2::Timer2_Timer);
    connect(Timer3, &QTimer::timeout, this, &Form2::Timer3_Timer);

    // betting
    connect(Command10, &QPushButton::clicked, this, &Form2::Command10_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(Option1, &QRadioButton::clicked, this, &Form2::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form2::Option2_Click);
    connect(Option3, &QRadioButton::clicked, this, &Form2::Option3_Click);
    connect(Option4, &QRadioButton::clicked, this, &Form2::Option4_Click);
    connect(Option5, &QRadioButton::clicked, this, &Form2::Option5_Click);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(Command9, &QPushButton::clicked, this, &Form2::Command9_Click);
    connect(Command11, &QPushButton::clicked, this, &Form2::Command11_Click);
    connect(Label39, &LinkLabel::clicked, this, &Form2::Label39_Click);
    connect(Label39, &LinkLabel::dragOver, this, &Form2::Label39_DragOver);
    connect(Label39, &LinkLabel::mouseMoved, this, &Form2::Label39_MouseMove);
    connect(Label39, &LinkLabel::mouseReleased, this, &Form2::Label39_MouseUp);
    connect(Text3, &QComboBox::editTextChanged, this, &Form2::Text3_Change);
    connect(Text3, &QComboBox::activated, this, &Form2::Text3_Click);

    // betting wizard
    connect(Command12, &QPushButton::clicked, this, &Form2::Command12_Click);
    connect(Command200, &QPushButton::clicked, this, &Form2::Command200_Click);
    connect(Option11, &QRadioButton::clicked, this, &Form2::Option11_Click);
    connect(Option12, &QRadioButton::clicked, this, &Form2::Option12_Click);
    connect(Option13, &QRadioButton::clicked, this, &Form2::Option13_Click);
    connect(Option14, &QRadioButton::clicked, this, &Form2::Option14_Click);
    connect(Option15, &QRadioButton::clicked, this, &Form2::Option15_Click);
    connect(cmdst, &QPushButton::clicked, this, &Form2::cmdst_Click);
    connect(Command19, &QPushButton::clicked, this, &Form2::Command19_Click);
    connect(Command17, &QPushButton::clicked, this, &Form2::Command17_Click);
    connect(Check1, &QCheckBox::clicked, this, &Form2::Check1_Click);
    connect(Command112, &QPushButton::clicked, this, &Form2::Command112_Click);

    // shares
    connect(Command4, &QPushButton::clicked, this, &Form2::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form2::Command5_Click);
    connect(Command8, &QPushButton::clicked, this, &Form2::Command8_Click);
    connect(Option6, &QRadioButton::clicked, this, &Form2::Option6_Click);
    connect(Option7, &QRadioButton::clicked, this, &Form2::Option7_Click);
    connect(Option8, &QRadioButton::clicked, this, &Form2::Option8_Click);
    connect(Option9, &QRadioButton::clicked, this, &Form2::Option9_Click);
    connect(Option10, &QRadioButton::clicked, this, &Form2::Option10_Click);

    // loans (the amount box's click and focus come through the event filter)
    connect(Command6, &QPushButton::clicked, this, &Form2::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form2::Command7_Click);

    // menus and toolbar
    connect(saveme, &QAction::triggered, this, &Form2::saveme_Click);
    connect(rest, &QAction::triggered, this, &Form2::rest_Click);
    connect(diffuser, &QAction::triggered, this, &Form2::diffuser_Click);
    connect(exit, &QAction::triggered, this, &Form2::exit_Click);
    connect(sendgn, &QAction::triggered, this, &Form2::sendgn_Click);
    connect(reqgn, &QAction::triggered, this, &Form2::reqgn_Click);
    connect(hconnect, &QAction::triggered, this, &Form2::hconnect_Click);
    connect(cntrl, &QAction::triggered, this, &Form2::cntrl_Click);
    connect(mnuShowhall, &QAction::triggered, this, &Form2::mnuShowhall_Click);
    connect(mnuCredit, &QAction::triggered, this, &Form2::mnuCredit_Click);
    connect(backup, &QAction::triggered, this, &Form2::backup_Click);
    connect(update, &QAction::triggered, this, &Form2::update_Click);
    connect(mnuoption, &QAction::triggered, this, &Form2::mnuoption_Click);
    connect(about, &QAction::triggered, this, &Form2::about_Click);
    connect(what, &QAction::triggered, this, &Form2::what_Click);
    connect(mnuHelp, &QAction::triggered, this, &Form2::mnuHelp_Click);
    connect(Toolbar3, &QToolBar::actionTriggered, this, &Form2::Toolbar3_ButtonClick);
}
