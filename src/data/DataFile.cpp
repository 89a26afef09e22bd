// The ".381" data file: reading and writing.
//
// Reading accepts any bytes: a line that cannot be a record of its section
// is skipped and touches no slot.
#include "DataFile.h"

#include "ChannelDocument.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const char kCrLf[] = "\r\n";

// Memory, CALL and VFO records this long or shorter hold no channel.
constexpr int kEmptyRecordLength = 4;

// Section a record line belongs to.
enum class Section { None, Memory, Call, Vfo, Dtmf };

// Longest line a section accepts: the capacity of its slots.
int LineCapacity(Section section)
{
    return section == Section::Dtmf ? kDtmfCapacity : kRecordCapacity;
}

// One line of file text: CR and LF would break the line structure, so a
// text carrying them is written with spaces in their place.
QByteArray LineBytes(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.toLatin1();
}

void AppendRecordLine(QByteArray &out, const QString &record)
{
    QString line = record;
    line.replace(QLatin1Char(','), QLatin1Char('\t'));
    out += LineBytes(line);
    out += kCrLf;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Decimal value of the leading digits of a field; -1 when it does not start
// with a digit. Values that overflow any slot number are held at 10000.
int LeadingNumber(const QByteArray &field)
{
    if (field.isEmpty() || !IsDigit(field.at(0)))
        return -1;
    int value = 0;
    for (char c : field) {
        if (!IsDigit(c))
            break;
        value = value * 10 + (c - '0');
        if (value > 9999)
            return 10000;
    }
    return value;
}

int MemorySlotOfField(const QByteArray &field)
{
    if (!field.isEmpty() && IsDigit(field.at(0)))
        return LeadingNumber(field);
    const int slot = MemorySlotOfLabel(QString::fromLatin1(field));
    // A label of neither form names no slot: the line is not a record.
    return slot >= kFirstLuSlot ? slot : 0;
}

int VfoBandOfCode(char code)
{
    switch (code) {
    case '1':
        return 0;
    case '2':
        return 1;
    case '5':
        return 2;
    case '6':
        return 3;
    default:
        return 4;
    }
}

void StoreRecordLine(TChannelDocument &doc, Section section, QByteArray line)
{
    line.replace('\t', ',');
    const qsizetype comma = line.indexOf(',');
    const QByteArray first = comma < 0 ? line : line.left(comma);
    const QString record = QString::fromLatin1(line);

    switch (section) {
    case Section::Memory: {
        const int slot = MemorySlotOfField(first);
        if (slot < 1 || slot > kMemorySlots)
            break;
        // A bare label, without any field, marks an empty slot (the writer
        // marks an emptied slot 1 so).
        if (comma < 0)
            doc.ClearMemoryRecord(slot);
        else
            doc.SetMemoryRecord(slot, record);
        break;
    }
    case Section::Call:
        doc.SetCallRecord(line.at(0) == '0' ? 0 : 1, record);
        break;
    case Section::Vfo:
        doc.SetVfoRecord(VfoBandOfCode(line.at(0)), record);
        break;
    case Section::Dtmf: {
        const int slot = LeadingNumber(first);
        if (slot >= 0 && slot < kDtmfSlots)
            doc.SetDtmfRecord(slot, record);
        break;
    }
    case Section::None:
        break;
    }
}

bool SectionOfLine(const QByteArray &line, Section &section)
{
    if (line == "MEMORY")
        section = Section::Memory;
    else if (line == "CALL")
        section = Section::Call;
    else if (line == "VFO")
        section = Section::Vfo;
    else if (line == "DTMF")
        section = Section::Dtmf;
    else
        return false;
    return true;
}

} // namespace

QByteArray WriteDataFile(const TChannelDocument &doc, const QString &comment)
{
    QByteArray out;
    out.reserve(24 * 1024);
    out += "COMMENT";
    out += kCrLf;
    out += LineBytes(comment);
    out += kCrLf;

    out += "MEMORY";
    out += kCrLf;
    for (int slot = 1; slot <= kMemorySlots; ++slot) {
        const QString record = doc.Record(rkMemory, slot);
        if (record.size() > kEmptyRecordLength)
            AppendRecordLine(out, record);
        else if (slot == 1)
            // A file without a line for slot 1 loads the default channel
            // 001; the bare label keeps an emptied slot 1 empty. Readers
            // that predate it store "001", itself an empty record.
            AppendRecordLine(out, MemorySlotLabel(1));
    }
    out += "CALL";
    out += kCrLf;
    for (int i = 0; i < kCallSlots; ++i) {
        const QString record = doc.Record(rkCall, i);
        if (record.size() > kEmptyRecordLength)
            AppendRecordLine(out, record);
    }
    out += "VFO";
    out += kCrLf;
    for (int band = 0; band < kVfoSlots; ++band) {
        const QString record = doc.Record(rkVfo, band);
        if (record.size() > kEmptyRecordLength)
            AppendRecordLine(out, record);
    }
    out += "DTMF";
    out += kCrLf;
    for (int i = 0; i < kDtmfSlots; ++i) {
        const QString record = doc.Record(rkDtmf, i);
        if (record.size() > 1)
            AppendRecordLine(out, record);
    }
    return out;
}

bool ReadDataFile(const QByteArray &content, TChannelDocument &doc, QString *comment)
{
    if (comment)
        comment->clear();
    bool memorySection = false;

    Section section = Section::None;
    int lineNumber = 0;
    qsizetype pos = 0;
    const qsizetype size = content.size();
    while (pos < size) {
        qsizetype end = content.indexOf('\n', pos);
        const qsizetype next = end < 0 ? size : end + 1;
        if (end < 0)
            end = size;
        // A CR before the line end (or before the end of the file) is part of
        // the line end.
        qsizetype lineEnd = end;
        if (lineEnd > pos && content.at(lineEnd - 1) == '\r')
            --lineEnd;
        const QByteArray line = content.mid(pos, lineEnd - pos);
        pos = next;
        ++lineNumber;

        if (lineNumber == 1)
            continue; // header line, whatever it holds
        if (lineNumber == 2) {
            // The comment is taken whole, whatever its length (the box's
            // limit is for typing). A NUL byte cannot stand in the comment
            // box; the rest of the comment can.
            if (comment) {
                QByteArray text = line;
                text.replace('\0', QByteArray());
                *comment = QString::fromLatin1(text);
            }
            continue;
        }
        if (line.contains('\0'))
            continue;

        if (SectionOfLine(line, section)) {
            memorySection = memorySection || section == Section::Memory;
            continue;
        }
        if (line.isEmpty() || section == Section::None)
            continue;
        if (line.size() > LineCapacity(section))
            continue;
        StoreRecordLine(doc, section, line);
    }
    return memorySection;
}

bool SaveFileAtomically(const QString &path, const QByteArray &content)
{
    // An existing file that may not be written is left alone, although the
    // folder would allow replacing it.
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || !info.isWritable()))
        return false;

    // Unbuffered, so that a short write (a full disk, a size limit) shows
    // here instead of passing unnoticed when the buffer is flushed.
#ifdef Q_OS_UNIX
    // The replaced file's permission bits (and, for the superuser, its
    // owner) carry over to the new file; links are followed as QSaveFile
    // follows them.
    struct stat old;
    const bool replacing = ::stat(QFile::encodeName(path).constData(), &old) == 0;
#endif

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
#ifdef Q_OS_UNIX
    if (replacing && file.handle() >= 0) {
        if (::geteuid() == 0 && ::fchown(file.handle(), old.st_uid, old.st_gid) != 0) {
            file.cancelWriting();
            file.commit();
            return false;
        }
        if (::fchmod(file.handle(), old.st_mode & 07777) != 0) {
            file.cancelWriting();
            file.commit();
            return false;
        }
    }
#endif
    qint64 done = 0;
    while (done < content.size()) {
        const qint64 written = file.write(content.constData() + done, content.size() - done);
        if (written <= 0) {
            file.cancelWriting();
            file.commit();
            return false;
        }
        done += written;
    }
    return file.commit();
}
