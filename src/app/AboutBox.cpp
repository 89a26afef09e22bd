#include "AboutBox.h"

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent) {}
