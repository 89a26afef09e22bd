#include "Welcome.h"

TWelcome::TWelcome(QWidget *parent) : QDialog(parent) {}
