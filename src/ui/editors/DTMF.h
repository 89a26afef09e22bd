// TDTMF: the "DTMF Memory" dialog that edits the ten DTMF memories one at
// a time.
#pragma once

#include "EditorDialog.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

class TDTMF : public TEditorDialog {
    Q_OBJECT
public:
    explicit TDTMF(TDocumentHost &host, QWidget *parent = nullptr);

    int CurrentMemory() const { return memory_; }

    QLabel *Label2 = nullptr;       // "Channel Number"
    QComboBox *ComboBox1 = nullptr; // "0".."9"
    QGroupBox *GroupBox1 = nullptr; // "DTMF Code"
    QLineEdit *Edit1 = nullptr;     // the code

    void LoadDtmf();
    // Stores the code into the current memory (always succeeds).
    bool StoreDtmf();

protected:
    bool Commit() override { return StoreDtmf(); }
    void FormShow() override;
    void NavigationKey(int key) override;

private:
    void ComboBox1Click();
    void ComboBox1Change();

    int memory_ = 0;
};
