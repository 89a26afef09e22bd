// Placeholder bodies: the main window is being built.
#include "MainForm.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QTableWidget>

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent) {}
TMainForm::~TMainForm() = default;
QString TMainForm::Comment() const { return Edit2 ? Edit2->text() : QString(); }
void TMainForm::SetComment(const QString &text) { if (Edit2) Edit2->setText(text); }
QTableWidget *TMainForm::Grid(int number) const
{
    switch (number) {
    case 1: return StringGrid1;
    case 2: return StringGrid2;
    case 3: return StringGrid3;
    case 4: return StringGrid4;
    }
    return nullptr;
}
int TMainForm::SelectedRow(int grid) const { auto *g = Grid(grid); return g ? g->currentRow() : 1; }
void TMainForm::SelectRow(int grid, int row) { if (auto *g = Grid(grid)) g->setCurrentCell(row, 1); }
int TMainForm::VfoBandOfRow(int) const { return -1; }
void TMainForm::RefreshGrids() {}
void TMainForm::RebuildVfoRows() {}
void TMainForm::UpdateStatusBar() {}
void TMainForm::NewDocument() {}
bool TMainForm::OpenFile(const QString &) { return false; }
bool TMainForm::SaveDocument() { return false; }
bool TMainForm::SaveDocumentAs() { return false; }
bool TMainForm::AskSaveChanges() { return true; }
void TMainForm::New1Click() {}
void TMainForm::Open1Click() {}
void TMainForm::Save1Click() {}
void TMainForm::SaveAs1Click() {}
void TMainForm::Exit1Click() { close(); }
void TMainForm::Read1Click() {}
void TMainForm::Write1Click() {}
void TMainForm::Com11Click() {}
void TMainForm::Com21Click() {}
void TMainForm::Help2Click() {}
void TMainForm::About1Click() {}
void TMainForm::showEvent(QShowEvent *event) { QMainWindow::showEvent(event); }
void TMainForm::closeEvent(QCloseEvent *event) { event->accept(); }
bool TMainForm::eventFilter(QObject *watched, QEvent *event) { return QMainWindow::eventFilter(watched, event); }
void TMainForm::SetActiveGrid(int grid) { activeGrid_ = grid; }
void TMainForm::UpdateTitle() {}
void TMainForm::OpenEditor(int) {}
bool TMainForm::WriteFileAtomically(const QString &) { return false; }
