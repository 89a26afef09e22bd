// Typed access to the channel records (memory, CALL and VFO share one
// layout) and the radio's rules for their values. The record text stays
// the document's only store: a view reads and writes the text it is given
// and keeps no copy of its own.
#pragma once

#include "Hertz.h"
#include "RecordFields.h"

#include <QList>
#include <QString>

#include <optional>

class TChannelDocument;

enum class TShift { Simplex, Plus, Minus, Minus76 };

// Shift code '0'..'3' <-> shift; none for any other code.
std::optional<TShift> ShiftOfCode(const QString &code);
QChar ShiftCode(TShift shift);

// Reads the fields of one channel record text. The text must outlive the view.
class TChannelRecordView {
public:
    explicit TChannelRecordView(const QString &record) : record_(&record) {}

    // A record of fewer than two characters is an empty slot.
    bool HasChannel() const { return record_->size() >= 2; }
    const QString &Text() const { return *record_; }
    QString Field(ChannelField field) const { return RecordTextField(*record_, field); }

    std::optional<THz> Receive() const { return THz::OfDigits(Field(cfReceiveFrequency)); }
    // The transmit frequency of a split channel; none when not split.
    std::optional<THz> Transmit() const { return THz::OfDigits(Field(cfTransmitFrequency)); }
    bool IsSplit() const { return !Field(cfTransmitFrequency).isEmpty(); }
    std::optional<THz> Offset() const { return THz::OfDigits(Field(cfOffset)); }
    std::optional<TShift> Shift() const { return ShiftOfCode(Field(cfShift)); }
    QString StepCode() const { return Field(cfStep); }
    QString TransmitStepCode() const { return Field(cfTransmitStep); }
    QString ToneCode() const { return Field(cfToneCode); }
    QString CtcssCode() const { return Field(cfCtcssCode); }
    QString PowerCode() const { return Field(cfPower); }
    bool Reverse() const { return IsOn(cfReverse); }
    bool ToneOn() const { return IsOn(cfToneOn); }
    bool CtcssOn() const { return IsOn(cfCtcssOn); }
    bool LockOut() const { return IsOn(cfLockOut); }
    QString Name() const { return Field(cfName); }

private:
    bool IsOn(ChannelField field) const { return Field(field) == QLatin1String("1"); }
    const QString *record_;
};

// The same over a record text it changes: each setter rewrites its field
// in place, and a text of fewer fields gets all eighteen first.
class TChannelRecordText : public TChannelRecordView {
public:
    explicit TChannelRecordText(QString &record) : TChannelRecordView(record), text_(&record) {}

    void SetField(ChannelField field, const QString &value);
    void SetReceive(THz hz) { SetField(cfReceiveFrequency, hz.Digits(11)); }
    // A split channel's transmit frequency and its step code; none clears both.
    void SetTransmit(std::optional<THz> hz, const QString &stepCode);
    void SetShift(TShift shift) { SetField(cfShift, QString(ShiftCode(shift))); }
    void SetStepCode(const QString &code) { SetField(cfStep, code); }
    void SetToneCode(const QString &code) { SetField(cfToneCode, code); }
    void SetCtcssCode(const QString &code) { SetField(cfCtcssCode, code); }
    void SetFlag(ChannelField field, bool on) { SetField(field, on ? QStringLiteral("1") : QStringLiteral("0")); }
    void SetName(const QString &name) { SetField(cfName, name); }

private:
    QString *text_;
};

// A value of a channel record that breaks the radio's rules.
struct TRuleBreak {
    ChannelField field;
    QString what; // "shift code 9 is not 0..3"
};

// Every value of a channel record (kind rkMemory with slot 1..193, rkCall
// with 0..1, rkVfo with band 0..4) that the radio's rules forbid: a
// frequency outside the band limits or in a band the radio type lacks,
// codes outside the step, shift and tone tables, flags other than 0 and 1,
// a split transmit frequency in another band or with another step than the
// receive frequency, a name the name rule refuses. Empty slots and empty
// optional fields break nothing.
QList<TRuleBreak> ChannelRuleBreaks(const TChannelDocument &doc, int kind, int index, const QString &record);

// Every rule break of the document's memory, CALL and VFO records, a line
// each naming the item and the value: "005: shift code "9" is not 0..3",
// "CALL 144MHz: ...", "VFO 430MHz: ...". Empty when everything is within
// the rules. A radio's memory may hold such values; a read keeps them and
// says so, and a write asks before sending them back.
QStringList DocumentRuleBreaks(const TChannelDocument &doc);

// First lines of the reports after a read and before a write.
inline const char *const kReadRuleBreaks = QT_TRANSLATE_NOOP("RuleBreaks", "The radio's memory holds values outside the radio's rules. "
                                           "They were read as they are:");
inline const char *const kWriteRuleBreaks = QT_TRANSLATE_NOOP("RuleBreaks", "The memory holds values outside the radio's rules:");

// The report of such breaks for a message: a first line, then one line a
// break, the first `maxLines` of them and a count of the rest.
QString RuleBreakReport(const QString &firstLine, const QStringList &breaks, int maxLines = 20);

// Why an 11-digit record frequency cannot be a frequency of this radio
// (not 11 digits, not below 1 GHz, in no band of the radio type, outside
// the band's limits); empty when it can.
QString RecordFrequencyProblem(const TChannelDocument &doc, const QString &frequency);
// A two-digit code of the tone table ("01".."39").
bool IsToneTableCode(const QString &text);
// A one-digit code from first..last.
bool IsCodeIn(const QString &text, char first, char last);
