#include "Memory.h"

TMemory::TMemory(QWidget *parent) : QDialog(parent) {}
