// TVFO: the "VFO" dialog that edits the VFO record of each band the radio
// has; a band list at the top switches between them.
#pragma once

#include "FrequencyEditor.h"

class TVFO : public TFrequencyEditor {
    Q_OBJECT
public:
    explicit TVFO(TDocumentHost &host, QWidget *parent = nullptr);

    int CurrentBand() const { return band_; }

    QLabel *Label11 = nullptr;      // "Band"
    QComboBox *ComboBox5 = nullptr; // band list
    QLabel *Label7 = nullptr;       // "Offset"
    QLineEdit *Edit2 = nullptr;     // offset
    QLabel *Label8 = nullptr;       // "MHz"
    QLabel *Label6 = nullptr;       // "Output Power"
    QComboBox *ComboBox4 = nullptr; // "High", "Mid", "Low"

    void LoadVfo(int band);
    bool CommitVfo();

protected:
    bool Commit() override { return CommitVfo(); }
    void FormShow() override;
    void NavigationKey(int key) override;
    bool EnterKey(QLineEdit *edit) override;

private:
    void BuildBandList();
    // List position of a band, -1 when the list does not hold it.
    int ListPositionOfBand(int band) const;
    void ComboBox5Click();
    void ComboBox5Change();

    int band_ = 1;
    bool bandChangePermitted_ = true;
};
