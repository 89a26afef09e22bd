#include "WriteForm.h"

TWriteForm::TWriteForm(QWidget *parent) : QDialog(parent), HComm1(new THComm) {}
TWriteForm::~TWriteForm() { delete HComm1; }
