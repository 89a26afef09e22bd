// Cut, Copy, Paste and Delete on the four channel lists.
//
// One record travels through the system clipboard as its text with tabs in
// place of commas, followed by a NUL, under a private format, so a record
// copied in one running copy of the program can be pasted into another.
// Paste never copies that text blindly: it rebuilds a record of the target
// row's kind from the copied fields. Clipboard content is untrusted input.
#include "MainForm.h"

#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/FrequencyRules.h"
#include "ui/seam/Dialogs.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QToolButton>

namespace {

// Our private clipboard format; on Windows the record also goes out under
// the registered clipboard format "CF_VXL".
const char kRecordMimeType[] = "application/x-vxl-r381-record";
#ifdef Q_OS_WIN
const char kWindowsRecordFormat[] = "application/x-qt-windows-mime;value=\"CF_VXL\"";
#endif

// Texts of this many characters or more are channel records (memory, VFO,
// CALL); shorter ones are DTMF memory records.
constexpr int kChannelRecordMinLength = 20;
constexpr int kFrequencyDigits = 11;
constexpr int kOffsetDigits = 9;
constexpr int kVhfBand = 1;
constexpr int kUhfBand = 3;
constexpr int kFirstNamedSlot = 181; // "L1"; "L1".."U6" and "PR" follow

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool AllDigits(const QString &text, int length)
{
    if (text.size() != length)
        return false;
    for (QChar c : text)
        if (!IsDigit(c))
            return false;
    return true;
}

QChar FirstChar(const QString &text)
{
    return text.isEmpty() ? QChar() : text.at(0);
}

// Band of a record frequency by its MHz digits (third to fifth character);
// -1 when the field is not a record frequency, which then has no band.
int BandOfRecordFrequency(const TChannelDocument &doc, const QString &frequency)
{
    if (!AllDigits(frequency, kFrequencyDigits))
        return -1;
    return BandOfFrequency(doc, frequency.mid(2, 3));
}

// Whole MHz of a record frequency (145 for "00145000000").
int MhzOfRecordFrequency(const QString &frequency)
{
    return frequency.mid(2, 3).toInt();
}

// Clipboard bytes -> record text: the text ends at the first NUL. Returns
// false for anything this program never puts there: a text longer than the
// staging buffer, or one with control characters other than tabs.
bool DecodePayload(const QByteArray &bytes, QString *text)
{
    const int end = bytes.indexOf('\0');
    const QByteArray body = end >= 0 ? bytes.left(end) : bytes;
    if (body.size() > kClipboardCapacity)
        return false;
    for (char byte : body) {
        const auto c = static_cast<unsigned char>(byte);
        if ((c < 0x20 && c != '\t') || c == 0x7f)
            return false;
    }
    *text = QString::fromLatin1(body);
    return true;
}

void SetEnabled(QAction *action, bool enabled)
{
    if (action)
        action->setEnabled(enabled);
}

void SetEnabled(QToolButton *button, bool enabled)
{
    if (button)
        button->setEnabled(enabled);
}

// The record the staging buffer becomes when pasted into row `row` of list
// `grid`; empty when the buffer does not fit that row.
class PasteBuilder {
public:
    PasteBuilder(const TMainForm &form, int grid, int row)
        : form_(form), doc_(form.Document()), grid_(grid), row_(row)
    {
    }

    QString Build() const
    {
        const QString buffer = doc_.ClipboardBuffer();
        if (buffer.isEmpty())
            return QString();
        const QString record = buffer.size() >= kChannelRecordMinLength ? BuildChannel() : BuildDtmf();
        return record.size() <= TChannelDocument::Capacity(grid_) ? record : QString();
    }

private:
    QString S(int field) const { return doc_.GetRecordField(rkClipboard, 0, field); }
    QString TypeField(int field) const { return doc_.GetRecordField(rkRadioType, 0, field); }

    QString BuildDtmf() const
    {
        if (grid_ != rkDtmf || row_ < 1 || row_ > kDtmfSlots)
            return QString();
        return QLatin1Char('0') + QString::number(row_ - 1) + QLatin1Char(',') + S(1);
    }

    // Whether the receive frequency lies inside its band's limits and that
    // band suits the target row.
    bool FitsTarget(int band) const
    {
        if (band < 0)
            return false;
        // An absent band has an empty limit record, which admits nothing.
        if (doc_.Record(rkBandLimit, band).isEmpty())
            return false;
        const int mhz = MhzOfRecordFrequency(S(1));
        const int lower = doc_.GetRecordField(rkBandLimit, band, 0).toInt();
        const int upper = doc_.GetRecordField(rkBandLimit, band, 1).toInt();
        if (mhz < lower || mhz > upper)
            return false;

        switch (grid_) {
        case rkMemory:
            return row_ >= 1 && row_ <= kMemorySlots;
        case rkVfo:
            return band == form_.VfoBandOfRow(row_);
        case rkCall:
            if (row_ == 1)
                return band == kVhfBand || (band == 0 && TypeField(4) == QLatin1String("1"));
            if (row_ == 2)
                return band == kUhfBand || (band == 2 && TypeField(5) == QLatin1String("1"))
                       || (band == 4 && TypeField(6) == QLatin1String("1"));
            return false;
        default:
            return false;
        }
    }

    // Field 0 of the new record: the target's own label or band code.
    QString TargetLabel() const
    {
        switch (grid_) {
        case rkMemory:
            return MemorySlotLabel(row_);
        case rkVfo: {
            const int band = form_.VfoBandOfRow(row_);
            const QString code = doc_.GetRecordField(rkVfo, band, 0);
            return code.isEmpty() ? BandCode(band) : code;
        }
        case rkCall: {
            const QString number = doc_.GetRecordField(rkCall, row_ - 1, 0);
            return number.isEmpty() ? QString::number(row_ - 1) : number;
        }
        }
        return QString();
    }

    // Step codes the receive band cannot use become the nearest it can.
    static QString AdjustStep(const QString &step, int receiveBand)
    {
        const QChar c = FirstChar(step);
        if (receiveBand == 4) {
            if (c == QLatin1Char('2'))
                return QStringLiteral("3");
            if (c == QLatin1Char('5') || c >= QLatin1Char('7'))
                return QStringLiteral("6");
            return step;
        }
        return AdjustSplitStep(step);
    }
    static QString AdjustSplitStep(const QString &step)
    {
        const QChar c = FirstChar(step);
        if (c == QLatin1Char('7'))
            return QStringLiteral("2");
        if (c == QLatin1Char('9'))
            return QStringLiteral("8");
        return step;
    }

    QString BuildChannel() const
    {
        const int receiveBand = BandOfRecordFrequency(doc_, S(1));
        if (!FitsTarget(receiveBand))
            return QString();

        const QString f0 = TargetLabel();
        const QChar market = FirstChar(TypeField(1));
        const QString step = AdjustStep(S(2), receiveBand);
        QString shift = S(3);
        // The -7.6 MHz shift exists only on radios of market code 3.
        if (market != QLatin1Char('3') && FirstChar(shift) > QLatin1Char('2'))
            shift = QStringLiteral("0");

        QString record = f0 + QLatin1Char(',') + S(1) + QLatin1Char(',') + step + QLatin1Char(',')
                         + shift + QLatin1Char(',') + S(4) + QLatin1Char(',') + S(5)
                         + QLatin1Char(',') + S(6) + QLatin1String(",,") + S(8)
                         + QLatin1String(",,") + S(10) + QLatin1Char(',');

        // A split pair survives only within the receive band and with the
        // receive step.
        const QString splitStep = AdjustSplitStep(S(15));
        const bool splitSurvives = BandOfRecordFrequency(doc_, S(14)) == receiveBand
                                   && FirstChar(step) == FirstChar(splitStep);

        switch (grid_) {
        case rkVfo: {
            QString offset = S(11);
            if (!AllDigits(offset, kOffsetDigits)) {
                if (f0.startsWith(QLatin1Char('1')) || f0.startsWith(QLatin1Char('2')))
                    offset = QStringLiteral("000600000");
                else if (market == QLatin1Char('3'))
                    offset = QStringLiteral("001600000");
                else
                    offset = QStringLiteral("005000000");
            }
            record += offset + QLatin1String(",,,,,");
            // Only the 144 and 430/440 MHz VFOs carry an output power.
            if (f0.startsWith(QLatin1Char('2')) || f0.startsWith(QLatin1Char('6'))) {
                const QString power = S(16);
                const bool valid = power.size() == 1 && power.at(0) >= QLatin1Char('0')
                                   && power.at(0) <= QLatin1Char('2');
                record += valid ? power : QStringLiteral("0");
            }
            record += QLatin1Char(',');
            break;
        }
        case rkCall:
            record += QLatin1String(",,,");
            record += splitSurvives ? S(14) + QLatin1Char(',') + splitStep + QLatin1String(",,")
                                    : QStringLiteral(",,,");
            break;
        case rkMemory:
            if (row_ >= kFirstNamedSlot) {
                // "L1".."U6" and "PR": no lock-out, no split; only "PR" has a name.
                record += QLatin1String(",0,,,,,");
                if (row_ == kMemorySlots && IsValidMemoryName(S(17)))
                    record += S(17);
            } else {
                record += QLatin1Char(',');
                record += S(12) == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0");
                record += QLatin1String(",,");
                record += splitSurvives ? S(14) + QLatin1Char(',') + splitStep : QStringLiteral(",");
                record += QLatin1String(",,");
                if (IsValidMemoryName(S(17)))
                    record += S(17);
            }
            break;
        default:
            return QString();
        }
        return record;
    }

    const TMainForm &form_;
    const TChannelDocument &doc_;
    int grid_;
    int row_;
};

} // namespace

QString TMainForm::SlotTextOfRow(int grid, int row) const
{
    switch (grid) {
    case rkMemory:
        return document_.Record(rkMemory, row);
    case rkVfo: {
        const int band = VfoBandOfRow(row);
        return band >= 0 ? document_.Record(rkVfo, band) : QString();
    }
    case rkCall:
    case rkDtmf:
        return document_.Record(grid, row - 1);
    }
    return QString();
}

void TMainForm::PutOnClipboard(const QString &recordText)
{
    QString text = recordText;
    text.replace(QLatin1Char(','), QLatin1Char('\t'));
    QByteArray payload = text.toLatin1();
    payload.append('\0');

    auto *data = new QMimeData;
    data->setData(QLatin1String(kRecordMimeType), payload);
#ifdef Q_OS_WIN
    data->setData(QLatin1String(kWindowsRecordFormat), payload);
#endif
    // The clipboard owns the data from here on.
    QGuiApplication::clipboard()->setMimeData(data);
}

void TMainForm::UpdateEditCommands()
{
    // Take the clipboard's record into the staging buffer. Without data of
    // our format, or with data we never write, the buffer keeps the last
    // record read, which stays pasteable.
    if (const QMimeData *data = QGuiApplication::clipboard()->mimeData()) {
        QByteArray bytes;
        bool found = false;
#ifdef Q_OS_WIN
        if (data->hasFormat(QLatin1String(kWindowsRecordFormat))) {
            bytes = data->data(QLatin1String(kWindowsRecordFormat));
            found = true;
        }
#endif
        if (!found && data->hasFormat(QLatin1String(kRecordMimeType))) {
            bytes = data->data(QLatin1String(kRecordMimeType));
            found = true;
        }
        QString text;
        if (found && DecodePayload(bytes, &text)) {
            text.replace(QLatin1Char('\t'), QLatin1Char(','));
            document_.SetClipboardBuffer(text);
        }
    }

    const int grid = ActiveGrid();
    const bool pasteable = !PasteBuilder(*this, grid, SelectedRow(grid)).Build().isEmpty();
    const bool channelList = grid == rkVfo || grid == rkCall;
    SetEnabled(Paste1, pasteable);
    SetEnabled(channelList ? Paste3 : Paste2, pasteable);
    SetEnabled(channelList ? Paste2 : Paste3, false);
    SetEnabled(SpeedButton3, pasteable);

    // The VFO and CALL lists have fixed rows: nothing to cut or delete.
    SetEnabled(Cut1, !channelList);
    SetEnabled(Cut2, !channelList);
    SetEnabled(SpeedButton2, !channelList);
    SetEnabled(Delete1, !channelList);
    SetEnabled(Delete2, !channelList);
}

void TMainForm::Copy1Click()
{
    const int grid = ActiveGrid();
    PutOnClipboard(SlotTextOfRow(grid, SelectedRow(grid)));
    UpdateEditCommands();
}

// Empties the slot of the active list's current row for Cut and Delete.
// The VFO and CALL lists have no empty state: there the command is refused
// with a notice. Returns whether a slot was emptied.
bool TMainForm::ClearCurrentSlot()
{
    const int grid = ActiveGrid();
    const int row = SelectedRow(grid);
    if (grid == rkVfo || grid == rkCall) {
        SetModified(1);
        Dialogs::Message(this, QStringLiteral("Invalid function."), Dialogs::Icon::Information);
        return false;
    }
    // The lists select one whole row at a time.
    if (grid == rkMemory && row >= 1 && row <= kMemorySlots) {
        SetModified(1);
        document_.ClearMemoryRecord(row);
        return true;
    }
    if (grid == rkDtmf && row >= 1 && row <= kDtmfSlots) {
        SetModified(1);
        document_.ClearDtmfRecord(row - 1);
        return true;
    }
    return false;
}

void TMainForm::Cut1Click()
{
    const int grid = ActiveGrid();
    const QString text = SlotTextOfRow(grid, SelectedRow(grid));
    const QString label = RowLabel(grid, SelectedRow(grid));
    if (!ClearCurrentSlot())
        return;
    PutOnClipboard(text);
    UpdateEditCommands();
    RefreshGrids();
    RecordChange(QStringLiteral("Cut ") + label);
}

void TMainForm::Delete1Click()
{
    const int grid = ActiveGrid();
    const QString label = RowLabel(grid, SelectedRow(grid));
    if (!ClearCurrentSlot())
        return;
    RefreshGrids();
    RecordChange(QStringLiteral("Delete ") + label);
}

void TMainForm::Paste1Click()
{
    const int grid = ActiveGrid();
    const int row = SelectedRow(grid);
    // The same rule that enables the command: a record that does not fit
    // the row is never stored.
    const QString record = PasteBuilder(*this, grid, row).Build();
    if (record.isEmpty())
        return;

    SetModified(1);
    switch (grid) {
    case rkMemory:
        document_.SetMemoryRecord(row, record);
        break;
    case rkVfo:
        document_.SetVfoRecord(VfoBandOfRow(row), record);
        break;
    case rkCall:
        document_.SetCallRecord(row - 1, record);
        break;
    case rkDtmf:
        document_.SetDtmfRecord(row - 1, record);
        break;
    }
    // The staging buffer stays, so the same record can be pasted again.
    RefreshGrids();
    RecordChange(QStringLiteral("Paste ") + RowLabel(grid, row));
}

QString TMainForm::RowLabel(int grid, int row) const
{
    switch (grid) {
    case rkMemory:
        return MemorySlotLabel(row);
    case rkVfo:
        return QStringLiteral("VFO ") + BandLabel(document_, VfoBandOfRow(row));
    case rkCall:
        return row == 1 ? QStringLiteral("CALL VHF") : QStringLiteral("CALL UHF");
    case rkDtmf:
        return QStringLiteral("DTMF %1").arg(row - 1, 2, 10, QLatin1Char('0'));
    }
    return QString();
}
