#include "DTMF.h"

TDTMF::TDTMF(QWidget *parent) : QDialog(parent) {}
