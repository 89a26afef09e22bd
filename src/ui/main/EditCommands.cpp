// Placeholder bodies: the clipboard commands are being built.
#include "MainForm.h"

void TMainForm::Cut1Click() {}
void TMainForm::Copy1Click() {}
void TMainForm::Paste1Click() {}
void TMainForm::Delete1Click() {}
void TMainForm::UpdateEditCommands() {}
void TMainForm::PutOnClipboard(const QString &) {}
QString TMainForm::SlotTextOfRow(int, int) const { return QString(); }
