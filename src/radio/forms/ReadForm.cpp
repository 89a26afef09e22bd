#include "ReadForm.h"

TReadForm::TReadForm(QWidget *parent) : QDialog(parent), HComm1(new THComm) {}
TReadForm::~TReadForm() { delete HComm1; }
