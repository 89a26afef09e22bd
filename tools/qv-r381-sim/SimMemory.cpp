#include "SimMemory.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace sim {

const char *const kBandCodes[kVfoRecords] = {"1", "2", "5", "6", "8"};

namespace {

// Labels of slots 181..193 in slot order.
const char *const kNamedSlots[] = {"L1", "U1", "L2", "U2", "L3", "U3", "L4",
                                   "U4", "L5", "U5", "L6", "U6", "PR"};
constexpr int kNamedSlotCount = 13;

// A record line never exceeds this; longer lines are not from the format.
constexpr size_t kMaxLine = 99;

bool AllDigits(const std::string &text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// Decimal value of the leading digits; -1 when there are none.
int LeadingNumber(const std::string &text)
{
    long value = -1;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            break;
        value = (value < 0 ? 0 : value) * 10 + (c - '0');
        if (value > 100000)
            return 100000;
    }
    return static_cast<int>(value);
}

std::string CommasToTabs(std::string text)
{
    for (char &c : text)
        if (c == ',')
            c = '\t';
    return text;
}

} // namespace

std::string SlotLabel(int slot)
{
    if (slot >= 1 && slot <= kNumberedSlots) {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "%03d", slot);
        return buffer;
    }
    if (slot > kNumberedSlots && slot <= kMemorySlots)
        return kNamedSlots[slot - kNumberedSlots - 1];
    return std::string();
}

int SlotOfLabel(const std::string &label)
{
    if (label.size() == 3 && AllDigits(label)) {
        int slot = std::stoi(label);
        return slot >= 1 && slot <= kNumberedSlots ? slot : 0;
    }
    for (int i = 0; i < kNamedSlotCount; ++i)
        if (label == kNamedSlots[i])
            return kNumberedSlots + 1 + i;
    return 0;
}

int BandOfCode(const std::string &code)
{
    for (int i = 0; i < kVfoRecords; ++i)
        if (code == kBandCodes[i])
            return i;
    return -1;
}

std::vector<std::string> SplitFields(const std::string &text)
{
    std::vector<std::string> fields(1);
    for (char c : text) {
        if (c == ',')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

std::string JoinFields(const std::vector<std::string> &fields, size_t first, size_t last)
{
    std::string text;
    for (size_t i = first; i <= last; ++i) {
        if (i > first)
            text += ',';
        if (i < fields.size())
            text += fields[i];
    }
    return text;
}

std::string Field(const std::string &record, int n)
{
    if (n < 0)
        return std::string();
    if (n >= kRecordFields)
        n = kRecordFields - 1;
    std::vector<std::string> fields = SplitFields(record);
    return static_cast<size_t>(n) < fields.size() ? fields[n] : std::string();
}

std::string WithField(const std::string &record, int n, const std::string &value)
{
    std::vector<std::string> fields = SplitFields(record);
    if (fields.size() < kRecordFields)
        fields.resize(kRecordFields);
    fields[n] = value;
    return JoinFields(fields, 0, fields.size() - 1);
}

void ParseImage(const std::string &text, Memory &memory)
{
    enum Section { None, Mem, Call, Vfo, Dtmf } section = None;
    size_t start = 0;
    int lineNumber = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        ++lineNumber;
        if (lineNumber == 1)
            continue;
        if (lineNumber == 2) {
            memory.comment = line;
            continue;
        }
        for (char &c : line)
            if (c == '\t')
                c = ',';
        if (line == "MEMORY") { section = Mem; continue; }
        if (line == "CALL") { section = Call; continue; }
        if (line == "VFO") { section = Vfo; continue; }
        if (line == "DTMF") { section = Dtmf; continue; }
        if (line.empty() || line.size() > kMaxLine)
            continue;
        const std::string first = Field(line, 0);
        switch (section) {
        case None:
            break;
        case Mem: {
            int slot;
            if (!first.empty() && std::isdigit(static_cast<unsigned char>(first[0]))) {
                slot = LeadingNumber(first);
            } else {
                slot = kNumberedSlots + 1;
                for (int i = 0; i < kNamedSlotCount; ++i)
                    if (first == kNamedSlots[i])
                        slot = kNumberedSlots + 1 + i;
            }
            // A bare label marks an empty slot.
            if (slot >= 1 && slot <= kMemorySlots)
                memory.memory[slot] = line.find(',') == std::string::npos ? std::string() : line;
            break;
        }
        case Call:
            memory.call[line[0] == '0' ? 0 : 1] = line;
            break;
        case Vfo: {
            int band = BandOfCode(std::string(1, line[0]));
            memory.vfo[band < 0 ? 4 : band] = line;
            break;
        }
        case Dtmf: {
            int number = LeadingNumber(first);
            if (number >= 0 && number < kDtmfRecords && AllDigits(first))
                memory.dtmf[number] = line;
            break;
        }
        }
    }
}

bool ReadImage(const std::string &path, Memory &memory, std::string &error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) {
        error = "cannot read " + path;
        return false;
    }
    ParseImage(content.str(), memory);
    return true;
}

std::string FormatImage(const Memory &memory)
{
    std::string text = "COMMENT\r\n" + memory.comment + "\r\nMEMORY\r\n";
    for (int slot = 1; slot <= kMemorySlots; ++slot)
        if (memory.memory[slot].size() > 4)
            text += CommasToTabs(memory.memory[slot]) + "\r\n";
    text += "CALL\r\n";
    for (const std::string &record : memory.call)
        if (record.size() > 4)
            text += CommasToTabs(record) + "\r\n";
    text += "VFO\r\n";
    for (const std::string &record : memory.vfo)
        if (record.size() > 4)
            text += CommasToTabs(record) + "\r\n";
    text += "DTMF\r\n";
    for (const std::string &record : memory.dtmf)
        if (record.size() > 1)
            text += CommasToTabs(record) + "\r\n";
    return text;
}

bool WriteImage(const std::string &path, const Memory &memory, std::string &error)
{
    // Written beside the target and renamed, so a reader never sees half a file.
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = "cannot create " + temporary;
            return false;
        }
        out << FormatImage(memory);
        out.flush();
        if (!out) {
            error = "cannot write " + temporary;
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        error = "cannot replace " + path;
        return false;
    }
    return true;
}

} // namespace sim
