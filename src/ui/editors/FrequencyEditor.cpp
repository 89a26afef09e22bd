#include "FrequencyEditor.h"

#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/FrequencyRules.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

// Of an exclusive group of buttons only the checked one takes the focus
// from Tab; the others are reached with the arrow keys or the mouse.
void FixTabStops(QButtonGroup *group)
{
    for (QAbstractButton *button : group->buttons()) {
        const Qt::FocusPolicy policy = button->focusPolicy();
        button->setFocusPolicy(button->isChecked() ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                   : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

template <typename W>
W *makeControl(QWidget *parent, const char *name, const QString &text = QString())
{
    auto *widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    if constexpr (std::is_same_v<W, QLabel> || std::is_same_v<W, QCheckBox> || std::is_same_v<W, QRadioButton>)
        widget->setText(text);
    if constexpr (std::is_same_v<W, QGroupBox>)
        widget->setTitle(text);
    return widget;
}

constexpr int kToneListSize = 38;

} // namespace

// ---------------------------------------------------------------------------
// TFrequencyEditor

TFrequencyEditor::TFrequencyEditor(TDocumentHost &host, QWidget *parent, const QString &caption,
                                   int clientWidth, int clientHeight)
    : TEditorDialog(host, parent, caption, clientWidth, clientHeight)
{
    QFont dialogFont = font();
    dialogFont.setPixelSize(11);
    setFont(dialogFont);

    GroupBox1 = makeControl<QGroupBox>(this, "GroupBox1", tr("Frequency"));
    Label1 = makeControl<QLabel>(GroupBox1, "Label1", tr("Rx Frequency"));
    Edit1 = makeControl<QLineEdit>(GroupBox1, "Edit1");
    Label1->setBuddy(Edit1);
    Label2 = makeControl<QLabel>(GroupBox1, "Label2", tr("MHz"));
    Label3 = makeControl<QLabel>(GroupBox1, "Label3", tr("Step"));
    ComboBox3 = makeControl<QComboBox>(GroupBox1, "ComboBox3");
    ComboBox3->addItems(EditorStepTexts());
    Label3->setBuddy(ComboBox3);
    CheckBox4 = makeControl<QCheckBox>(GroupBox1, "CheckBox4", tr("Reverse"));
    RadioButton1 = makeControl<QRadioButton>(GroupBox1, "RadioButton1", tr("Simplex"));
    RadioButton2 = makeControl<QRadioButton>(GroupBox1, "RadioButton2", tr("Plus Shift"));
    RadioButton3 = makeControl<QRadioButton>(GroupBox1, "RadioButton3", tr("Minus Shift"));
    RadioButton5 = makeControl<QRadioButton>(GroupBox1, "RadioButton5", tr("-7.6MHz Shift"));

    GroupBox2 = makeControl<QGroupBox>(this, "GroupBox2", tr("Tone/CTCSS"));
    CheckBox1 = makeControl<QCheckBox>(GroupBox2, "CheckBox1", tr("Tone"));
    CheckBox2 = makeControl<QCheckBox>(GroupBox2, "CheckBox2", tr("CTCSS"));
    Label9 = makeControl<QLabel>(GroupBox2, "Label9", tr("Tone Frequency"));
    ComboBox1 = makeControl<QComboBox>(GroupBox2, "ComboBox1");
    Label10 = makeControl<QLabel>(GroupBox2, "Label10", tr("CTCSS Frequency"));
    ComboBox2 = makeControl<QComboBox>(GroupBox2, "ComboBox2");
    const QStringList tones = EditorToneTexts();
    ComboBox1->addItems(tones);
    ComboBox2->addItems(tones);
    Label9->setBuddy(ComboBox1);
    Label10->setBuddy(ComboBox2);

    Edit1->setText(QStringLiteral("144.000"));
    SetCharFilter(Edit1, EditorFilter::Frequency);

    // One exclusive group for the shift choice, so that a hidden
    // -7.6MHz Shift still takes part in it.
    auto *shifts = new QButtonGroup(this);
    shifts->setExclusive(true);
    // Tab enters the shift choice at the checked option (the arrow keys
    // move within it): only the checked button is a tab stop.
    connect(shifts, &QButtonGroup::buttonToggled, this, [shifts](QAbstractButton *, bool) { FixTabStops(shifts); });
    for (QRadioButton *button : {RadioButton1, RadioButton2, RadioButton3, RadioButton5}) {
        shifts->addButton(button);
        // Runs also when the dialog itself selects the button.
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                RadioButton1Click();
        });
    }
    RadioButton1->setChecked(true);

    connect(Edit1, &QLineEdit::textChanged, this, [this] { SetChanged(); });
    connect(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });
    connect(CheckBox2, &QCheckBox::toggled, this, [this] { CheckBox2Click(); });
    connect(CheckBox4, &QCheckBox::toggled, this, [this] { SetChanged(); });
    for (QComboBox *list : {ComboBox1, ComboBox2, ComboBox3})
        connect(list, &QComboBox::activated, this, [this] { SetChanged(); });
    connect(ComboBox1, &QComboBox::activated, this, [this] { toneChosen_[0] = true; });
    connect(ComboBox2, &QComboBox::activated, this, [this] { toneChosen_[1] = true; });
    connect(ComboBox3, &QComboBox::activated, this, [this] { stepChosen_ = true; });

    ComboBox1->setCurrentIndex(ToneListPosOfCode(QString()));
    ComboBox2->setCurrentIndex(ToneListPosOfCode(QString()));
    ComboBox3->setCurrentIndex(0);
    SetFrequencyAccessibleTexts();
}

void TFrequencyEditor::PlaceToneGroup(int x, int y)
{
    GroupBox2->setGeometry(x, y, 220, 92);
    CheckBox1->setGeometry(10, 18, 96, 18);
    CheckBox2->setGeometry(114, 18, 96, 18);
    Label9->setGeometry(10, 40, 104, 16);
    Label10->setGeometry(114, 40, 104, 16);
    ComboBox1->setGeometry(10, 58, 96, 22);
    ComboBox2->setGeometry(114, 58, 96, 22);
}

void TFrequencyEditor::PlaceFrequencyGroup(int top, int height)
{
    GroupBox1->setGeometry(4, top, 402, height);
    Label1->setGeometry(10, 22, 84, 16);
    Edit1->setGeometry(96, 19, 80, 21);
    Label2->setGeometry(180, 22, 30, 16);
    Label3->setGeometry(10, 50, 84, 16);
    ComboBox3->setGeometry(96, 47, 80, 22);
}

void TFrequencyEditor::StackShiftColumn(const QList<QWidget *> &controls, int x)
{
    // The caption takes the group's top margin; the column must not reach
    // into it, or Reverse is drawn across the group's top border.
    const QRect inside = GroupBox1->contentsRect();
    const int top = qMax(inside.top(), 14);
    const int pitch = qBound(12, (inside.bottom() + 1 - top) / int(controls.size()), 17);
    for (int i = 0; i < controls.size(); ++i)
        controls[i]->setGeometry(x, top + i * pitch, 150, pitch);
}

void TFrequencyEditor::CreateBandList(QLabel *&label, QComboBox *&list)
{
    label = new QLabel(tr("Band"), this);
    label->setObjectName(QStringLiteral("Label11"));
    label->setGeometry(8, 9, 40, 16);
    list = new QComboBox(this);
    list->setObjectName(QStringLiteral("ComboBox5"));
    list->setGeometry(50, 6, 96, 22);
    label->setBuddy(list);
    list->setAccessibleName(tr("Band"));
    list->setAccessibleDescription(tr("The band whose record is edited; Page Up and Page Down move between them."));
}

void TSplitChannelEditor::PlaceSplitControls()
{
    Label5->setGeometry(10, 78, 84, 16);
    Edit3->setGeometry(96, 75, 80, 21);
    Label6->setGeometry(180, 78, 30, 16);
    StackShiftColumn({CheckBox4, RadioButton4, RadioButton1, RadioButton2, RadioButton3, RadioButton5}, 230);
}

void TFrequencyEditor::CheckBox1Click()
{
    SetChanged();
    if (CheckBox1->isChecked())
        CheckBox2->setChecked(false);
}

void TFrequencyEditor::CheckBox2Click()
{
    SetChanged();
    if (CheckBox2->isChecked())
        CheckBox1->setChecked(false);
}

void TFrequencyEditor::LoadStep(const QString &code, int defaultPosition)
{
    int position = code.isEmpty() ? defaultPosition : StepListPosOfCode(code);
    // A step the list cannot show (30kHz, 100kHz) is kept as it is unless
    // the user picks one; the list shows the default meanwhile. Garbage
    // takes the default, so that a step size is always chosen.
    stepChosen_ = false;
    stepFromDefault_ = code.isEmpty();
    loadedStepCode_ = position < 0 && (code == QLatin1String("7") || code == QLatin1String("9")) ? code : QString();
    if (position < 0 || position >= ComboBox3->count())
        position = defaultPosition;
    ComboBox3->setCurrentIndex(qBound(0, position, ComboBox3->count() - 1));
}

bool TFrequencyEditor::SelectShift(const QString &code)
{
    if (code == QLatin1String("1"))
        RadioButton2->setChecked(true);
    else if (code == QLatin1String("2"))
        RadioButton3->setChecked(true);
    else if (code == QLatin1String("3"))
        RadioButton5->setChecked(true);
    else
        return false;
    return true;
}

void TFrequencyEditor::LoadTones(int kind, int index)
{
    const TChannelDocument &doc = Doc();
    CheckBox1->setChecked(doc.GetRecordField(kind, index, cfToneOn) == QLatin1String("1"));
    CheckBox2->setChecked(doc.GetRecordField(kind, index, cfCtcssOn) == QLatin1String("1"));
    int which = 0;
    for (auto [list, field] : {std::pair{ComboBox1, 8}, std::pair{ComboBox2, 10}}) {
        const QString code = doc.GetRecordField(kind, index, field);
        // Only a code of the tone table is kept; anything else is replaced
        // by the list's entry on OK.
        const bool tableCode = code.size() == 2 && code.at(0).isDigit() && code.at(1).isDigit()
                               && code.toInt() >= 1 && code.toInt() <= 39;
        loadedToneCode_[which] = tableCode ? code : QString();
        toneChosen_[which] = false;
        ++which;
        int position = ToneListPosOfCode(code);
        // A code outside the table shows as the default tone.
        if (position < 0 || position >= kToneListSize)
            position = ToneListPosOfCode(QString());
        list->setCurrentIndex(position);
    }
}

bool TFrequencyEditor::Minus76Offered() const
{
    return RadioTypeField(tfVariant) == QLatin1String("3") && RadioTypeField(tfSubVariant) != QLatin1String("05");
}

void TFrequencyEditor::ShowMinus76(bool enabled)
{
    const bool offered = Minus76Offered();
    RadioButton5->setVisible(offered);
    if (offered)
        RadioButton5->setEnabled(enabled);
}

int TFrequencyEditor::StepPosition() const
{
    if (!stepChosen_ && !loadedStepCode_.isEmpty())
        return 0;
    return qMax(0, ComboBox3->currentIndex());
}

int TFrequencyEditor::StepPositionFor(const QString &rxNormalized, const QString &txNormalized) const
{
    const int shown = StepPosition();
    if (!stepFromDefault_ || stepChosen_)
        return shown;
    return StepForFrequencies(shown, rxNormalized.toLongLong(),
                              txNormalized.isEmpty() ? rxNormalized.toLongLong() : txNormalized.toLongLong());
}

void TFrequencyEditor::ShowStep(int stepPosition)
{
    if (stepChosen_ || loadedStepCode_.isEmpty())
        ComboBox3->setCurrentIndex(stepPosition);
}

QString TFrequencyEditor::StepCode(int stepPosition) const
{
    if (!stepChosen_ && !loadedStepCode_.isEmpty())
        return loadedStepCode_;
    return StepCodeOfListPos(stepPosition);
}

QString TFrequencyEditor::ClampToRecord(const QString &normalized, int band, int &stepPosition,
                                        bool &adjusted) const
{
    // Nothing was moved yet in this entry: notes of an earlier one go.
    if (!adjusted)
        roundings_.clear();
    QString frequency = normalized;
    const bool moved = ClampAndRoundToNearest(Doc(), frequency, band, stepPosition);
    const QString record = QStringLiteral("00") + frequency.rightJustified(9, QLatin1Char('0'));
    if (moved) {
        adjusted = true;
        roundings_ << QStringLiteral("%1 MHz -> %2 MHz")
                          .arg(FormatFrequency(QStringLiteral("00") + normalized), FormatFrequency(record));
    }
    return record;
}

QString TFrequencyEditor::RoundedMessage() const
{
    QStringList lines{TEditorDialog::tr(EditorText::kRounded)};
    lines += roundings_;
    roundings_.clear();
    return lines.join(QLatin1Char('\n'));
}

QString TFrequencyEditor::RoundedMessage(const QStringList &moves)
{
    QStringList lines{TEditorDialog::tr(EditorText::kRounded)};
    lines += moves;
    return lines.join(QLatin1Char('\n'));
}

QString TFrequencyEditor::EntryStepCode() const
{
    if (!stepChosen_ && !loadedStepCode_.isEmpty())
        return loadedStepCode_;
    if (stepFromDefault_ && !stepChosen_)
        return QString();
    return StepCodeOfListPos(qMax(0, ComboBox3->currentIndex()));
}

QString TFrequencyEditor::EntryToneCode(int which) const
{
    const QComboBox *list = which == 0 ? ComboBox1 : ComboBox2;
    if (toneChosen_[which] || loadedToneCode_[which].isEmpty())
        return ToneCodeOfListPos(qMax(0, list->currentIndex()));
    return loadedToneCode_[which];
}

QString TFrequencyEditor::ShiftCode() const
{
    if (RadioButton2->isChecked())
        return QStringLiteral("1");
    if (RadioButton3->isChecked())
        return QStringLiteral("2");
    if (RadioButton5->isChecked())
        return QStringLiteral("3");
    return QStringLiteral("0");
}

void TFrequencyEditor::SetRecordMiddle(TRecordBuilder &record, const QString &rxRecord, int stepPosition) const
{
    auto flag = [](const QCheckBox *box) { return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"); };
    record.Set(cfReceiveFrequency, rxRecord)
        .Set(cfStep, StepCode(stepPosition))
        .Set(cfShift, ShiftCode())
        .Set(cfReverse, flag(CheckBox4))
        .Set(cfToneOn, flag(CheckBox1))
        .Set(cfCtcssOn, flag(CheckBox2))
        .Set(cfToneCode, toneChosen_[0] || loadedToneCode_[0].isEmpty()
                             ? ToneCodeOfListPos(qMax(0, ComboBox1->currentIndex()))
                             : loadedToneCode_[0])
        .Set(cfCtcssCode, toneChosen_[1] || loadedToneCode_[1].isEmpty()
                              ? ToneCodeOfListPos(qMax(0, ComboBox2->currentIndex()))
                              : loadedToneCode_[1]);
}

// ---------------------------------------------------------------------------
// TSplitChannelEditor

TSplitChannelEditor::TSplitChannelEditor(TDocumentHost &host, QWidget *parent, const QString &caption, int clientWidth,
                                         int clientHeight)
    : TFrequencyEditor(host, parent, caption, clientWidth, clientHeight)
{
    Label5 = makeControl<QLabel>(GroupBox1, "Label5", tr("Tx Frequency"));
    Edit3 = makeControl<QLineEdit>(GroupBox1, "Edit3");
    Label5->setBuddy(Edit3);
    Label6 = makeControl<QLabel>(GroupBox1, "Label6", tr("MHz"));
    RadioButton4 = makeControl<QRadioButton>(GroupBox1, "RadioButton4", tr("Split Channel"));
    SetCharFilter(Edit3, EditorFilter::Frequency);
    connect(Edit3, &QLineEdit::textChanged, this, [this] { SetChanged(); });

    // Join the shift group of the base class.
    RadioButton1->group()->addButton(RadioButton4);
    FixTabStops(RadioButton1->group());
    connect(RadioButton4, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton4Click();
    });
    SetTransmitGroup(false);

    Edit3->setAccessibleName(tr("Tx Frequency"));
    Edit3->setAccessibleDescription(tr("Transmit frequency in MHz of a split channel."));
    RadioButton4->setAccessibleDescription(tr("Transmits on the Tx Frequency instead of a shift."));
}

void TSplitChannelEditor::SetTransmitGroup(bool enabled)
{
    Label5->setEnabled(enabled);
    Label6->setEnabled(enabled);
    Edit3->setEnabled(enabled);
    SetFieldColour(Edit3, enabled);
}

void TSplitChannelEditor::RadioButton1Click()
{
    SetChanged();
    SetTransmitGroup(false);
    CheckBox4->setEnabled(true);
}

void TSplitChannelEditor::RadioButton4Click()
{
    SetChanged();
    SetTransmitGroup(true);
    CheckBox4->setChecked(false);
    CheckBox4->setEnabled(false);
}

void TSplitChannelEditor::LoadShiftAndSplit(int kind, int index, const QString &rxDisplay)
{
    const TChannelDocument &doc = Doc();
    const QString transmit = doc.GetRecordField(kind, index, cfTransmitFrequency);
    if (SelectShift(doc.GetRecordField(kind, index, cfShift))) {
        Edit3->setText(rxDisplay);
    } else if (!transmit.isEmpty()) {
        RadioButton4->setChecked(true);
        SetTransmitGroup(true);
        Edit3->setText(FormatFrequency(transmit));
    } else {
        RadioButton1->setChecked(true);
        SetTransmitGroup(false);
        Edit3->setText(rxDisplay);
    }

    if (!transmit.isEmpty()) {
        CheckBox4->setChecked(false);
        CheckBox4->setEnabled(false);
    } else {
        CheckBox4->setChecked(doc.GetRecordField(kind, index, cfReverse) == QLatin1String("1"));
    }
    // Whatever the record held, the enable states follow the split choice.
    const bool split = RadioButton4->isChecked();
    SetTransmitGroup(split);
    CheckBox4->setEnabled(!split);
}

bool TSplitChannelEditor::NormalizeBoth(QString &rx, QString &tx)
{
    rx = Edit1->text();
    tx = Edit3->text();
    const bool rxOk = NormalizeFrequencyText(rx);
    const bool txOk = NormalizeFrequencyText(tx);
    if (rxOk && txOk)
        return true;
    Inform(EditorText::kInvalidFrequency);
    return false;
}

void TSplitChannelEditor::SetSplitFields(TRecordBuilder &record, const QString &txNormalized, int band,
                                         int stepPosition, bool &adjusted) const
{
    if (!RadioButton4->isChecked())
        return;
    int position = stepPosition;
    record.Set(cfTransmitFrequency, ClampToRecord(txNormalized, band, position, adjusted))
        .Set(cfTransmitStep, StepCode(stepPosition));
}

bool TSplitChannelEditor::EnterKey(QLineEdit *edit)
{
    if (edit != Edit1 && edit != Edit3)
        return false;
    FrequencyEnter();
    return true;
}

void TSplitChannelEditor::FrequencyEnter()
{
    QString rx, tx;
    if (!NormalizeBoth(rx, tx))
        return;
    const int band = ClampBand(rx);
    int step = StepPositionFor(rx, RadioButton4->isChecked() ? tx : QString());
    bool adjusted = false;
    const QString rxRecord = ClampToRecord(rx, band, step, adjusted);
    Edit1->setText(FormatFrequency(rxRecord));
    ShowStep(step);
    EnterBandChosen(band);
    if (RadioButton4->isChecked()) {
        int txStep = step;
        Edit3->setText(FormatFrequency(ClampToRecord(tx, band, txStep, adjusted)));
    } else {
        Edit3->setText(Edit1->text());
    }
    // Both fields count as rewritten.
    SetChanged();
    if (adjusted)
        Inform(RoundedMessage());
}

void TFrequencyEditor::SetFrequencyAccessibleTexts()
{
    Edit1->setAccessibleName(tr("Rx Frequency"));
    Edit1->setAccessibleDescription(tr("Receive frequency in MHz, for example 145.500; Enter checks it."));
    ComboBox3->setAccessibleName(tr("Step"));
    ComboBox3->setAccessibleDescription(tr("Channel step that the frequency is rounded to."));
    CheckBox4->setAccessibleDescription(tr("Swaps the receive and the transmit frequency."));
    RadioButton1->setAccessibleDescription(tr("Transmits on the receive frequency."));
    RadioButton2->setAccessibleDescription(tr("Transmits above the receive frequency by the offset."));
    RadioButton3->setAccessibleDescription(tr("Transmits below the receive frequency by the offset."));
    RadioButton5->setAccessibleDescription(tr("Transmits 7.6 MHz below the receive frequency."));
    CheckBox1->setAccessibleDescription(tr("Sends the tone frequency while transmitting."));
    CheckBox2->setAccessibleDescription(tr("Opens the squelch only for signals carrying the CTCSS frequency."));
    ComboBox1->setAccessibleName(tr("Tone Frequency"));
    ComboBox1->setAccessibleDescription(tr("The tone sent when Tone is on."));
    ComboBox2->setAccessibleName(tr("CTCSS Frequency"));
    ComboBox2->setAccessibleDescription(tr("The tone the squelch waits for when CTCSS is on."));
}
