// TCALL: the "CALL Channel" dialog that edits the VHF (0) and UHF (1) CALL
// channels; a two-entry band list at the top switches between them.
#pragma once

#include "FrequencyEditor.h"

class TCALL : public TSplitChannelEditor {
    Q_OBJECT
public:
    explicit TCALL(TDocumentHost &host, QWidget *parent = nullptr);

    int CurrentIndex() const { return index_; }

    QLabel *Label11 = nullptr;      // "Band"
    QComboBox *ComboBox5 = nullptr; // "144MHz" and the UHF label

    void LoadCall(int index);
    bool CommitCall();

protected:
    bool Commit() override { return CommitCall(); }
    void FormShow() override;
    void NavigationKey(int key) override;
    int ClampBand(const QString &rxNormalized) const override;

private:
    void ComboBox5Click();
    void ComboBox5Change();
    // Default band of a CALL channel: 144 MHz for VHF, UHF otherwise.
    static int HomeBand(int index) { return index == 0 ? 1 : 3; }

    int index_ = 0;
    bool changePermitted_ = true;
};
