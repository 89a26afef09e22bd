// The frequency editors (memory channel, VFO, CALL channel) share the
// receive frequency, the step list, the shift choice, Reverse and the
// Tone/CTCSS group, how these load from a record and how they are written
// back. TSplitChannelEditor adds the split-channel transmit frequency of
// the memory channel and CALL channel editors.
#pragma once

#include "EditorDialog.h"

#include "data/RecordFields.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class TFrequencyEditor : public TEditorDialog {
    Q_OBJECT
public:
    QGroupBox *GroupBox1 = nullptr; // "Frequency"
    QLabel *Label1 = nullptr;       // "Rx Frequency"
    QLineEdit *Edit1 = nullptr;     // receive frequency
    QLabel *Label2 = nullptr;       // "MHz"
    QLabel *Label3 = nullptr;       // "Step"
    QComboBox *ComboBox3 = nullptr; // step list
    QCheckBox *CheckBox4 = nullptr; // "Reverse"
    QRadioButton *RadioButton1 = nullptr; // "Simplex"
    QRadioButton *RadioButton2 = nullptr; // "Plus Shift"
    QRadioButton *RadioButton3 = nullptr; // "Minus Shift"
    QRadioButton *RadioButton5 = nullptr; // "-7.6MHz Shift"
    QGroupBox *GroupBox2 = nullptr; // "Tone/CTCSS"
    QCheckBox *CheckBox1 = nullptr; // "Tone"
    QCheckBox *CheckBox2 = nullptr; // "CTCSS"
    QLabel *Label9 = nullptr;       // "Tone Frequency"
    QComboBox *ComboBox1 = nullptr; // tone list
    QLabel *Label10 = nullptr;      // "CTCSS Frequency"
    QComboBox *ComboBox2 = nullptr; // tone list

protected:
    TFrequencyEditor(TDocumentHost &host, QWidget *parent, const QString &caption, int clientWidth,
                     int clientHeight);

    // Describes the shared controls for screen readers.
    void SetFrequencyAccessibleTexts();

    // Places the Tone/CTCSS group (same inner layout in every editor).
    void PlaceToneGroup(int x, int y);
    // Places the "Frequency" group at the given top with the receive
    // frequency and step rows (same in every editor).
    void PlaceFrequencyGroup(int top, int height);
    // Stacks Reverse and the shift options at x inside the frequency group,
    // below its caption and above its bottom edge.
    void StackShiftColumn(const QList<QWidget *> &controls, int x);
    // Creates the "Band" label and list at the top left (VFO and CALL).
    void CreateBandList(QLabel *&label, QComboBox *&list);

    // Shift radio buttons: set contents-changed (and more in subclasses).
    virtual void RadioButton1Click() { SetChanged(); }
    void CheckBox1Click();
    void CheckBox2Click();

    // Load pieces.
    void LoadStep(const QString &code, int defaultPosition);
    // Selects Plus, Minus or -7.6MHz Shift for shift codes '1'..'3';
    // false for any other code (nothing selected then).
    bool SelectShift(const QString &code);
    void LoadTones(int kind, int index);
    // -7.6MHz Shift is offered for market code '3' unless variant "05".
    bool Minus76Offered() const;
    // Shows or hides -7.6MHz Shift; when shown it gets the enable state.
    void ShowMinus76(bool enabled);

    // Commit pieces.
    // The step list position frequencies are rounded to: the chosen entry,
    // or 5 kHz (which every stored step is a multiple of) while a stored
    // step the list cannot show is kept.
    int StepPosition() const;
    // The same for a channel with the frequencies typed (normalized texts):
    // an empty slot or field being filled, with no step chosen, takes a
    // step that holds them, so a new channel keeps its frequency.
    int StepPositionFor(const QString &rxNormalized, const QString &txNormalized) const;
    // Shows the step a rounding settled on, unless a stored step is kept.
    void ShowStep(int stepPosition);
    // The step code to store for a list position: the kept code, if any.
    QString StepCode(int stepPosition) const;
    // Clamps and rounds a normalized frequency into the band at the step
    // position (which may be forced) and returns its 11-digit record form.
    // A frequency it moves is noted for RoundedMessage.
    QString ClampToRecord(const QString &normalized, int band, int &stepPosition, bool &adjusted) const;
    // "Frequency is rounded." with a line for each frequency moved since
    // the last message, before and after ("430.800 MHz -> 173.995 MHz").
    QString RoundedMessage() const;
    // The same for the moves a commit names.
    static QString RoundedMessage(const QStringList &moves);
    // The step and tone codes the controls stand for, as a commit takes
    // them: the code of a chosen entry, a loaded code the list cannot show
    // while no entry is chosen, and no step code while an empty field's
    // default is shown (the commit then takes a step that holds the
    // frequency).
    QString EntryStepCode() const;
    QString EntryToneCode(int which) const; // 0 tone, 1 CTCSS
    // Fields 1 to 10 of a record: receive frequency, step, shift, Reverse,
    // tone and CTCSS flags and codes (fields 7 and 9 stay empty).
    void SetRecordMiddle(TRecordBuilder &record, const QString &rxRecord, int stepPosition) const;
    QString ShiftCode() const;

private:
    // Tone and CTCSS codes as loaded, and whether the user has chosen an
    // entry in their list since: a code the list cannot show ("02",
    // 69.4 Hz) is written back unchanged unless the user chose another.
    QString loadedToneCode_[2];
    bool toneChosen_[2] = {false, false};
    // The same for a step code the step list cannot show ("7" 30 kHz,
    // "9" 100 kHz): kept unless the user chooses a step.
    QString loadedStepCode_;
    bool stepChosen_ = false;
    bool stepFromDefault_ = false; // the step shown is the default of an empty field
    mutable QStringList roundings_; // frequencies moved, for RoundedMessage
};

class TSplitChannelEditor : public TFrequencyEditor {
    Q_OBJECT
public:
    QLabel *Label5 = nullptr;       // "Tx Frequency"
    QLineEdit *Edit3 = nullptr;     // transmit frequency
    QLabel *Label6 = nullptr;       // "MHz"
    QRadioButton *RadioButton4 = nullptr; // "Split Channel"

protected:
    TSplitChannelEditor(TDocumentHost &host, QWidget *parent, const QString &caption, int clientWidth,
                        int clientHeight);

    // Places the transmit row, Reverse and the shift buttons in the
    // "Frequency" group (same in the memory and CALL editors).
    void PlaceSplitControls();

    void RadioButton1Click() override;
    void RadioButton4Click();
    void SetTransmitGroup(bool enabled);

    // Shift, split and Reverse of a record: Edit3 gets the transmit
    // frequency of a split channel, else the receive display text.
    void LoadShiftAndSplit(int kind, int index, const QString &rxDisplay);
    // Normalizes Edit1 and Edit3 (both, always); false after the message.
    bool NormalizeBoth(QString &rx, QString &tx);
    // Fields 14 and 15: the split frequency and its step; left empty when
    // Split Channel is not chosen.
    void SetSplitFields(TRecordBuilder &record, const QString &txNormalized, int band, int stepPosition,
                        bool &adjusted) const;

    // The band the receive frequency is clamped into.
    virtual int ClampBand(const QString &rxNormalized) const = 0;
    // Called on Enter once the band is known.
    virtual void EnterBandChosen(int) {}

    bool EnterKey(QLineEdit *edit) override;
    void FrequencyEnter();
};
