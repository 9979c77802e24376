#include "form2.h"

void Form2::Command12_Click() {}
void Form2::Command200_Click() {}
void Form2::Option11_Click() {}
void Form2::Option12_Click() {}
void Form2::Option13_Click() {}
void Form2::Option14_Click() {}
void Form2::Option15_Click() {}
void Form2::chooseWizardRunner(int) {}
void Form2::cmdst_Click() {}
void Form2::Command19_Click() {}
void Form2::Command17_Click() {}
void Form2::Check1_Click() {}
void Form2::Command112_Click() {}
