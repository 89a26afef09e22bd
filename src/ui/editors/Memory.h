// TMemory: the "Memory Channel" dialog that edits one memory slot
// (1..180, the L/U pairs 181..192 and PR 193) and moves between slots.
#pragma once

#include "FrequencyEditor.h"

#include "data/MemoryChannel.h"

class TUpDown;

class TMemory : public TSplitChannelEditor {
    Q_OBJECT
public:
    explicit TMemory(TDocumentHost &host, QWidget *parent = nullptr);

    int CurrentSlot() const;

    QLabel *Label12 = nullptr;      // "Memory Channel Number"
    QLineEdit *Edit6 = nullptr;     // slot label
    TUpDown *UpDown1 = nullptr;     // steps the slot, 1..193 with wrap-around
    QGroupBox *GroupBox3 = nullptr; // "Option"
    QLabel *Label11 = nullptr;      // "Memory Name"
    QLineEdit *Edit5 = nullptr;     // name
    QCheckBox *CheckBox3 = nullptr; // "Lock Out"

    void LoadChannel(int slot);
    bool CommitChannel();
    // The controls as the memory channel's commit takes them.
    TMemoryChannelEntry EntryOfControls() const;
    // The channel-number field's change handling on a text.
    void Edit6Change(const QString &text);

protected:
    bool Commit() override { return CommitChannel(); }
    void FormShow() override;
    void NavigationKey(int key) override;
    int ClampBand(const QString &rxNormalized) const override;
    void EnterBandChosen(int band) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool UpDown1Changing();
    void UpDown1Click();
    void UpDown1MouseDown();
    // The slot a channel-number text names, 0 for none.
    static int SlotOfText(const QString &text);
    // Offers the pending changes for storing before a move; false when the
    // user agreed and the store failed (the move must not happen).
    bool OfferPendingChanges();

    bool releaseCapture_ = false;
};
