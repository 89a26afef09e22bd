// Placeholder body: printing is being built.
#include "MainForm.h"

void TMainForm::Print1Click() {}
