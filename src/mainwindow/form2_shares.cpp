#include "form2.h"

void Form2::Command4_Click() {}
void Form2::Command5_Click() {}
void Form2::Command8_Click() {}
void Form2::Option6_Click() {}
void Form2::Option7_Click() {}
void Form2::Option8_Click() {}
void Form2::Option9_Click() {}
void Form2::Option10_Click() {}
void Form2::chooseForSale(int) {}
