#include "Memory.h"

#include "UpDown.h"
#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/DocumentHost.h"
#include "data/FrequencyRules.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr int kFirstSlot = kFirstMemorySlot;
constexpr int kFirstPairSlot = kFirstLuSlot;
constexpr int kLastSlot = kLastMemorySlot;

// Text of the channel-number field: the number without leading zeros, or
// the special label.
QString fieldLabel(int slot)
{
    return slot <= kLastNumberedSlot ? QString::number(slot) : MemorySlotLabel(slot);
}
} // namespace

TMemory::TMemory(TDocumentHost &host, QWidget *parent)
    : TSplitChannelEditor(host, parent, tr("Memory Channel"), 410, 258)
{
    setObjectName(QStringLiteral("Memory"));

    Label12 = new QLabel(tr("Memory Channel Number"), this);
    Label12->setObjectName(QStringLiteral("Label12"));
    Label12->setGeometry(8, 9, 150, 16);
    Label12->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Edit6 = new QLineEdit(this);
    Edit6->setObjectName(QStringLiteral("Edit6"));
    Edit6->setGeometry(160, 6, 41, 21);
    Edit6->setMaxLength(3);
    Label12->setBuddy(Edit6);
    UpDown1 = new TUpDown(this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setGeometry(201, 6, 16, 21);
    UpDown1->SetRange(kFirstSlot, kLastSlot);
    UpDown1->SetPosition(kFirstSlot);

    PlaceFrequencyGroup(30, 118);
    PlaceSplitControls();
    Edit1->setMaxLength(9);
    Edit3->setMaxLength(9);

    PlaceToneGroup(4, 152);

    GroupBox3 = new QGroupBox(tr("Option"), this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    GroupBox3->setGeometry(228, 152, 178, 70);
    Label11 = new QLabel(tr("Memory Name"), GroupBox3);
    Label11->setObjectName(QStringLiteral("Label11"));
    Label11->setGeometry(6, 22, 84, 16);
    Edit5 = new QLineEdit(GroupBox3);
    Edit5->setObjectName(QStringLiteral("Edit5"));
    Edit5->setGeometry(92, 19, 80, 21);
    Edit5->setMaxLength(13);
    Label11->setBuddy(Edit5);
    CheckBox3 = new QCheckBox(tr("Lock Out"), GroupBox3);
    CheckBox3->setObjectName(QStringLiteral("CheckBox3"));
    CheckBox3->setGeometry(8, 46, 100, 18);

    CreateButtons(252, 331, 228);

    Edit6->setAccessibleName(tr("Memory Channel Number"));
    Edit6->setAccessibleDescription(tr("The channel edited: 1 to 180, L1 to U6 or PR; "
                                       "Page Up and Page Down move between channels."));
    UpDown1->setAccessibleName(tr("Next or previous channel"));
    UpDown1->setAccessibleDescription(tr("Moves to the next or the previous channel, as Page Up and Page Down do."));
    Edit5->setAccessibleName(tr("Memory Name"));
    Edit5->setAccessibleDescription(tr("The name the radio shows for the channel."));
    CheckBox3->setAccessibleDescription(tr("The radio skips the channel when scanning."));

    SetCharFilter(Edit5, EditorFilter::MemoryName);
    SetCharFilter(Edit6, EditorFilter::ChannelNumber);
    connect(Edit5, &QLineEdit::textChanged, this, [this] { SetChanged(); });
    connect(CheckBox3, &QCheckBox::toggled, this, [this] { SetChanged(); });
    // Only the user's edits of the field move the dialog; the label the
    // dialog writes itself is not acted upon.
    connect(Edit6, &QLineEdit::textEdited, this, [this](const QString &text) { Edit6Change(text); });

    UpDown1->OnChanging = [this] { return UpDown1Changing(); };
    UpDown1->OnClick = [this](bool) { UpDown1Click(); };
    UpDown1->OnMouseDown = [this] { UpDown1MouseDown(); };

    SetControlOrder({Edit6, Edit1, ComboBox3, Edit3, CheckBox4, RadioButton4, RadioButton1, RadioButton2,
                     RadioButton3, RadioButton5, CheckBox1, CheckBox2, ComboBox1, ComboBox2, Edit5, CheckBox3,
                     Button2, Button1});
    Edit1->setFocus();
}

int TMemory::CurrentSlot() const
{
    return UpDown1->Position();
}

void TMemory::FormShow()
{
    int slot = Main()->SelectedRow(rkMemory);
    if (slot < kFirstSlot || slot > kLastSlot)
        slot = kFirstSlot;
    UpDown1->SetPosition(slot);
    Edit1->setFocus();
    LoadChannel(slot);
}

void TMemory::LoadChannel(int slot)
{
    slot = qBound(kFirstSlot, slot, kLastSlot);
    UpDown1->SetPosition(slot);
    const TChannelDocument &doc = Doc();
    Edit6->setText(fieldLabel(slot));

    const QString rx = doc.GetRecordField(rkMemory, slot, cfReceiveFrequency);
    const QString rxDisplay = rx.isEmpty() ? BandDefaultFrequency(doc, 1) : FormatFrequency(rx);
    Edit1->setText(rxDisplay);
    LoadStep(doc.GetRecordField(rkMemory, slot, cfStep), BandDefaultStep(doc, 1));
    LoadShiftAndSplit(rkMemory, slot, rxDisplay);
    RadioButton4->setEnabled(slot <= kLastNumberedSlot);
    const QString tx = Edit3->text();
    ShowMinus76(!tx.isEmpty() && tx.at(0) > QLatin1Char('2'));
    LoadTones(rkMemory, slot);
    CheckBox3->setChecked(doc.GetRecordField(rkMemory, slot, cfLockOut) == QLatin1String("1"));

    // Names belong to slots 1..180 and PR; lock-out to 1..180 only.
    const bool named = slot <= kLastNumberedSlot || slot == kPrSlot;
    // The group's font colour (styles draw a group caption with either
    // role); the controls inside take it over. The button-text colour is
    // for enabled controls only: a disabled one inside (Lock Out on PR)
    // keeps the disabled colour and so looks disabled. The button-shadow
    // colour of slots 181..192 is a disabled look itself.
    const QPalette appPalette = QApplication::palette(GroupBox3);
    const QColor fontColour = appPalette.color(named ? QPalette::ButtonText : QPalette::Dark);
    QPalette groupPalette = appPalette;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if (group == QPalette::Disabled && named)
            continue;
        groupPalette.setColor(group, QPalette::WindowText, fontColour);
        groupPalette.setColor(group, QPalette::Text, fontColour);
    }
    GroupBox3->setPalette(groupPalette);
    Label11->setEnabled(named);
    Edit5->setEnabled(named);
    SetFieldColour(Edit5, named);
    Edit5->setText(named ? doc.GetRecordField(rkMemory, slot, cfName) : QString());
    CheckBox3->setEnabled(slot <= kLastNumberedSlot);

    ClearChanged();
}

bool TMemory::CommitChannel()
{
    // Intended order, not an oversight: the main window's Modified flag
    // goes up as soon as a store is attempted (OK, or Yes to a question),
    // before any check, so an attempt the checks refuse still leaves the
    // document marked as changed. Do not move it below the checks.
    MarkDocumentModified();
    const int slot = CurrentSlot();
    QString rx, tx;
    if (!NormalizeBoth(rx, tx))
        return false;
    const TMemoryRecordResult built = CommitMemoryChannel(Doc(), slot, EntryOfControls());
    if (built.error != TMemoryRecordResult::None) {
        Inform(built.error == TMemoryRecordResult::InvalidName ? EditorText::kInvalidName
                                                               : EditorText::kInvalidFrequency);
        return false;
    }
    ShowStep(built.stepPosition);
    Doc().SetMemoryRecord(slot, built.record);
    RefreshMainGrids(tr("Edit %1").arg(MemorySlotLabel(slot)));
    ClearChanged();
    if (built.adjusted)
        Inform(RoundedMessage(built.moves));
    return true;
}

TMemoryChannelEntry TMemory::EntryOfControls() const
{
    TMemoryChannelEntry entry;
    entry.rxText = Edit1->text();
    entry.txText = RadioButton4->isChecked() ? Edit3->text() : QString();
    entry.stepCode = EntryStepCode();
    entry.shift = ShiftCode().at(0);
    entry.reverse = CheckBox4->isChecked();
    entry.tone = CheckBox1->isChecked();
    entry.ctcss = CheckBox2->isChecked();
    entry.toneCode = EntryToneCode(0);
    entry.ctcssCode = EntryToneCode(1);
    entry.lockOut = CheckBox3->isChecked();
    entry.name = Edit5->text();
    return entry;
}

int TMemory::ClampBand(const QString &rxNormalized) const
{
    return BandOfFrequency(Doc(), rxNormalized);
}

void TMemory::EnterBandChosen(int band)
{
    if (!Minus76Offered()) {
        RadioButton5->setEnabled(false);
        return;
    }
    if (band >= 2) {
        RadioButton5->setEnabled(true);
        return;
    }
    RadioButton5->setEnabled(false);
    if (RadioButton5->isChecked())
        RadioButton1->setChecked(true);
}

int TMemory::SlotOfText(const QString &text)
{
    if (text.isEmpty())
        return 0;
    bool digits = true;
    for (QChar c : text)
        digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (digits) {
        const int value = text.toInt();
        return value >= kFirstSlot && value <= kLastNumberedSlot ? value : 0;
    }
    for (int slot = kFirstPairSlot; slot <= kLastSlot; ++slot)
        if (text == MemorySlotLabel(slot))
            return slot;
    return 0;
}

void TMemory::Edit6Change(const QString &text)
{
    if (text.isEmpty())
        return;
    const int target = SlotOfText(text);
    if (target == 0) {
        // "L", "U" and "P" may still become a special label.
        if (text != QLatin1String("L") && text != QLatin1String("U") && text != QLatin1String("P"))
            Inform(EditorText::kInvalidChannel);
        return;
    }
    if (ContentsChanged() && AskToChange() && !CommitChannel()) {
        Edit6->setText(fieldLabel(CurrentSlot()));
        return;
    }
    LoadChannel(target);
}

bool TMemory::OfferPendingChanges()
{
    const QString text = Edit6->text();
    if (!text.isEmpty() && SlotOfText(text) == 0 && text != QLatin1String("L") && text != QLatin1String("U")
        && text != QLatin1String("P"))
        Inform(EditorText::kInvalidChannel);
    if (!ContentsChanged() || !AskToChange())
        return true;
    if (CommitChannel())
        return true;
    // The user wants the changes kept: stay on this slot with them.
    Edit6->setText(fieldLabel(CurrentSlot()));
    return false;
}

void TMemory::NavigationKey(int key)
{
    if (!OfferPendingChanges())
        return;
    const int slot = CurrentSlot();
    int next = slot;
    switch (key) {
    case Qt::Key_PageUp: next = slot >= kLastSlot ? kFirstSlot : slot + 1; break;
    case Qt::Key_PageDown: next = slot <= kFirstSlot ? kLastSlot : slot - 1; break;
    case Qt::Key_Home: next = kFirstSlot; break;
    case Qt::Key_End: next = kLastSlot; break;
    default: return;
    }
    LoadChannel(next);
}

bool TMemory::UpDown1Changing()
{
    if (!ContentsChanged())
        return true;
    bool allow = true;
    if (AskToChange())
        allow = CommitChannel();
    else
        ClearChanged();
    // The question box took the mouse: end the press so the arrow does not
    // go on repeating.
    releaseCapture_ = true;
    UpDown1->ReleaseCapture();
    return allow;
}

void TMemory::UpDown1Click()
{
    LoadChannel(UpDown1->Position());
}

void TMemory::UpDown1MouseDown()
{
    if (releaseCapture_) {
        UpDown1->ReleaseCapture();
        releaseCapture_ = false;
    }
}

bool TMemory::eventFilter(QObject *watched, QEvent *event)
{
    // Up and Down in the channel-number field step as the arrows do.
    if (watched == Edit6 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            UpDown1->StepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return TSplitChannelEditor::eventFilter(watched, event);
}
