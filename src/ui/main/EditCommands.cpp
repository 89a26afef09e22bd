// Cut, Copy, Paste and Delete on the four channel lists.
//
// One record travels through the system clipboard as its text with tabs in
// place of commas, followed by a NUL, under a private format, so a record
// copied in one running copy of the program can be pasted into another.
// Paste never copies that text blindly: the paste rules rebuild a record of
// the target row's kind from the copied fields. Clipboard content is
// untrusted input.
#include "MainForm.h"

#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/ClipboardRecordCheck.h"
#include "data/CsvExport.h"
#include "data/CsvImport.h"
#include "data/PasteRules.h"
#include "ui/seam/CsvPasteQuestion.h"
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

// Plain text larger than this is not taken as CSV rows to paste: all 193
// memory slots as CSV are about 30 KiB.
constexpr qsizetype kClipboardTextLimit = 256 * 1024;

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
QString PastedRecordForRow(const TMainForm &form, int grid, int row)
{
    const TPasteTarget target{grid, row, grid == rkVfo ? form.VfoBandOfRow(row) : -1};
    return PastedRecord(form.Document(), form.Document().ClipboardBuffer(), target);
}

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

QByteArray TMainForm::MemoryRowCsv(int slot) const
{
    if (slot < 1 || slot > kMemorySlots || CsvRowOfSlot(document_, slot).isEmpty())
        return QByteArray();
    return ExportCsv(document_, {slot});
}

void TMainForm::PutOnClipboard(const QString &recordText, const QByteArray &csvText)
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
    // After the private format, the row as CSV text for spreadsheets, mail
    // and other programs.
    if (!csvText.isEmpty())
        data->setText(QString::fromUtf8(csvText));
    // The clipboard owns the data from here on.
    QGuiApplication::clipboard()->setMimeData(data);
}

void TMainForm::ReadClipboardRecord()
{
    // Take the clipboard's record into the staging buffer. Without data of
    // our format the buffer keeps the last record read, which stays
    // pasteable. Data of our format that this program could never have
    // copied empties the buffer, so Paste is disabled: an earlier record
    // must not be pasted in its place.
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
        if (found) {
            bool valid = DecodePayload(bytes, &text);
            text.replace(QLatin1Char('\t'), QLatin1Char(','));
            valid = valid && IsValidClipboardRecord(document_, text);
            document_.SetClipboardBuffer(valid ? text : QString());
        }
        // Without a record of ours, plain text may be CSV rows from a
        // spreadsheet or another program: kept (bounded) when a row of it
        // can be stored.
        clipboardCsv_.clear();
        csvPasteable_ = false;
        if (!found && data->hasText()) {
            const QString plain = data->text();
            if (!plain.isEmpty() && plain.size() <= kClipboardTextLimit) {
                const QByteArray csv = plain.toUtf8();
                const TCsvImportPlan plan = PlanCsvImport(csv, document_, 1);
                if (plan.ok && plan.StoredCount() > 0) {
                    clipboardCsv_ = csv;
                    csvPasteable_ = true;
                }
            }
        }
    }
}

bool TMainForm::PasteCsvText(int slot)
{
    // Planned again: the radio type or the band limits may have changed
    // since the text was taken.
    TCsvImportPlan plan = PlanCsvImport(clipboardCsv_, document_, slot);
    // Rows placed from a numbered channel stop at 180 unless the user
    // agrees to overwrite L1..PR (the band edges of the programmable scan).
    if (!AskCsvRowsPast180(this, plan, document_))
        return false;
    if (!plan.ok || plan.StoredCount() == 0) {
        Dialogs::Message(this,
                         tr("Nothing to paste.\n")
                             + CsvImportReport(plan).mid(0, 20).join(QLatin1Char('\n')),
                         Dialogs::Icon::Information);
        return false;
    }
    SetModified(1);
    ApplyCsvImport(plan, document_);
    RefreshGrids();
    int first = 0;
    for (const TCsvRowResult &row : plan.rows)
        if (row.status != TCsvRowStatus::Refused && (first == 0 || row.slot < first))
            first = row.slot;
    RecordChange(plan.StoredCount() == 1 ? tr("Paste %1").arg(MemorySlotLabel(first))
                                         : tr("Paste %1 rows").arg(plan.StoredCount()));
    // Rows that were changed or left out are named, as an import names them.
    if (plan.StoredCount() != plan.rows.size() || plan.Count(TCsvRowStatus::Adjusted) > 0) {
        QStringList lines = CsvImportReport(plan);
        if (lines.size() > 21)
            lines = lines.mid(0, 20) << QStringLiteral("...") << lines.last();
        Dialogs::Message(this, tr("Some pasted rows were adjusted or refused.\n") + lines.join(QLatin1Char('\n')),
                         Dialogs::Icon::Information);
    }
    return true;
}

void TMainForm::UpdateEditCommands()
{
    // The clipboard itself is not asked here: this runs on every row change,
    // and a clipboard owner that does not answer would stall each of them.
    // The staging buffer follows the clipboard through ReadClipboardRecord.
    const int grid = ActiveGrid();
    // The record is checked again: a read from the radio may have changed
    // the band limits since it was taken.
    // CSV text on the clipboard pastes into the memory list; otherwise the
    // staged record under its rule.
    const bool csvText = csvPasteable_ && grid == rkMemory;
    const bool pasteable = csvText
                           || (IsValidClipboardRecord(document_, document_.ClipboardBuffer())
                               && !PastedRecordForRow(*this, grid, SelectedRow(grid)).isEmpty());
    // A split channel that would transmit elsewhere in this row says why
    // Paste is off, on the Paste button and in the status bar.
    const QString splitProblem = csvText ? QString()
                                         : SplitPasteProblem(document_, document_.ClipboardBuffer(),
                                                             TPasteTarget{grid, SelectedRow(grid),
                                                                          grid == rkVfo ? VfoBandOfRow(SelectedRow(grid)) : -1});
    SpeedButton3->setToolTip(splitProblem.isEmpty() ? tr("Paste")
                                                    : tr("Paste: %1").arg(splitProblem));
    Paste1->setStatusTip(splitProblem);
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
    const int row = SelectedRow(grid);
    PutOnClipboard(SlotTextOfRow(grid, row), grid == rkMemory ? MemoryRowCsv(row) : QByteArray());
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
        Dialogs::Message(this, tr("Invalid function."), Dialogs::Icon::Information);
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
    const QByteArray csv = grid == rkMemory ? MemoryRowCsv(SelectedRow(grid)) : QByteArray();
    if (!ClearCurrentSlot())
        return;
    PutOnClipboard(text, csv);
    UpdateEditCommands();
    RefreshGrids();
    RecordChange(tr("Cut %1").arg(label));
}

void TMainForm::Delete1Click()
{
    const int grid = ActiveGrid();
    const QString label = RowLabel(grid, SelectedRow(grid));
    if (!ClearCurrentSlot())
        return;
    RefreshGrids();
    RecordChange(tr("Delete %1").arg(label));
}

void TMainForm::Paste1Click()
{
    const int grid = ActiveGrid();
    const int row = SelectedRow(grid);
    if (grid == rkMemory && csvPasteable_) {
        PasteCsvText(row);
        return;
    }
    // The same rule that enables the command: a record that does not fit
    // the row is never stored.
    if (!IsValidClipboardRecord(document_, document_.ClipboardBuffer()))
        return;
    const QString record = PastedRecordForRow(*this, grid, row);
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
    RecordChange(tr("Paste %1").arg(RowLabel(grid, row)));
}

QString TMainForm::RowLabel(int grid, int row) const
{
    switch (grid) {
    case rkMemory:
        return MemorySlotLabel(row);
    case rkVfo:
        return tr("VFO %1").arg(BandLabel(document_, VfoBandOfRow(row)));
    case rkCall:
        return row == 1 ? tr("CALL VHF") : tr("CALL UHF");
    case rkDtmf:
        return tr("DTMF %1").arg(row - 1, 2, 10, QLatin1Char('0'));
    }
    return QString();
}
