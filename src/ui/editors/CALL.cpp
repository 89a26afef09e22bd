#include "CALL.h"

TCALL::TCALL(QWidget *parent) : QDialog(parent) {}
