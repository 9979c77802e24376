#include "form2.h"

void Form2::Form_Unload() {}
void Form2::saveme_Click() {}
void Form2::rest_Click() {}
void Form2::diffuser_Click() {}
void Form2::exit_Click() {}
void Form2::sendgn_Click() {}
void Form2::reqgn_Click() {}
void Form2::hconnect_Click() {}
void Form2::cntrl_Click() {}
void Form2::mnuShowhall_Click() {}
void Form2::mnuCredit_Click() {}
void Form2::backup_Click() {}
void Form2::update_Click() {}
void Form2::mnuoption_Click() {}
void Form2::about_Click() {}
void Form2::what_Click() {}
void Form2::mnuHelp_Click() {}
void Form2::Toolbar3_ButtonClick(QAction *) {}
void Form2::Timer3_Timer() {}
