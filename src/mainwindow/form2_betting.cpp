#include "form2.h"

void Form2::Command10_Click() {}
void Form2::Command2_Click() {}
void Form2::Option1_Click() {}
void Form2::Option2_Click() {}
void Form2::Option3_Click() {}
void Form2::Option4_Click() {}
void Form2::Option5_Click() {}
void Form2::chooseRunner(int) {}
void Form2::Command1_Click() {}
void Form2::Command3_Click() {}
void Form2::Command11_Click() {}
void Form2::Label39_Click() {}
void Form2::Label39_MouseMove() {}
void Form2::Label39_MouseUp() {}
void Form2::Text3_Change() {}
void Form2::Text3_Click() {}
