#include "VFO.h"

TVFO::TVFO(QWidget *parent) : QDialog(parent) {}
