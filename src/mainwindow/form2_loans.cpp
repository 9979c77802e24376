#include "form2.h"

void Form2::Command6_Click() {}
void Form2::Command7_Click() {}
void Form2::Text10_Click() {}
