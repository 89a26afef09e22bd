#include "SimRadio.h"

#include <utility>

namespace sim {

namespace {

const std::string kRefused = "?";
// In the echo form, a name reply made of seven blanks stands for "no name".
const std::string kNoName(7, ' ');
constexpr size_t kMaxName = 13;
constexpr size_t kMaxDtmfCode = 16;

bool IsLowerHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

int LowerHexValue(char c)
{
    return c <= '9' ? c - '0' : c - 'a' + 10;
}

// "0" or "1": the index it names; -1 otherwise.
int Index01(const std::string &text)
{
    return text == "0" ? 0 : text == "1" ? 1 : -1;
}

// DTMF memory number "00".."09"; -1 otherwise.
int DtmfNumber(const std::string &text)
{
    if (text.size() != 2 || text[0] != '0' || text[1] < '0' || text[1] > '9')
        return -1;
    return text[1] - '0';
}

// The VFO band index whose output power "PC 0" and "PC 1" address.
int PowerBand(int index)
{
    return index == 0 ? 1 : 3;
}

} // namespace

bool ParseEmptyReply(const std::string &text, EmptyReply &form)
{
    if (text == "N")
        form = EmptyReply::N;
    else if (text == "cr")
        form = EmptyReply::Cr;
    else if (text == "?")
        form = EmptyReply::Question;
    else if (text == "echo")
        form = EmptyReply::Echo;
    else
        return false;
    return true;
}

Radio::Radio(Memory &memory, std::string radioType, std::string bandLimits)
    : memory_(memory), radioType_(std::move(radioType)), bandLimits_(std::move(bandLimits))
{
}

// "N", the empty line and "?" are shorter than the head of any read command,
// so a reader that drops the head is left with nothing whatever it asked.
std::string Radio::Empty(std::string echo) const
{
    switch (emptyReply) {
    case EmptyReply::N:
        return "N";
    case EmptyReply::Cr:
        return std::string();
    case EmptyReply::Question:
        return kRefused;
    case EmptyReply::Echo:
        break;
    }
    return echo;
}

std::string Radio::Answer(const std::string &command)
{
    if (command.empty())
        return wakeReply;
    if (command == "AI 0" || command == "PS 0" || command == "PS 1")
        return command;
    if (command == "ID")
        return "ID QV-R381";
    if (command == "TYD")
        return "TYD " + radioType_;
    if (command == "FL")
        return "FL " + bandLimits_;

    const size_t space = command.find(' ');
    if (space == std::string::npos)
        return kRefused;
    const std::string head = command.substr(0, space);
    const std::string rest = command.substr(space + 1);
    const std::vector<std::string> args = SplitFields(rest);

    if (head == "MR")
        return ReadMemory(command, args);
    if (head == "MW")
        return WriteMemory(command, args);
    if (head == "MNA")
        return Name(command, rest);
    if (head == "CR")
        return Call(command, args, false);
    if (head == "CW")
        return Call(command, args, true);
    if (head == "VR")
        return ReadVfo(command, args);
    if (head == "VW")
        return WriteVfo(command, args);
    if (head == "PC")
        return Power(command, args);
    if (head == "DM")
        return Dtmf(command, args);
    if (head == "EEP")
        return Eeprom(command, args);
    return kRefused;
}

// "MR 0,0,<label>": main part "<label>,f1,...,f12" after the 7-character
// head "MR 0,0,". "MR 0,1,<nnn>": split part "f14,f15" after the head
// "MR 0,1,<nnn>,". Empty items: a slot without a record (main part), a
// slot without a transmit frequency, stored or not (split part); their echo
// is the bare command, too short to count.
std::string Radio::ReadMemory(const std::string &command, const std::vector<std::string> &args)
{
    if (args.size() != 3 || args[0] != "0")
        return kRefused;
    const int slot = SlotOfLabel(args[2]);
    if (slot == 0)
        return kRefused;
    const std::string &record = memory_.memory[slot];
    if (args[1] == "0") {
        if (record.empty())
            return Empty(command);
        return "MR 0,0," + SlotLabel(slot) + "," + JoinFields(SplitFields(record), 1, 12);
    }
    if (args[1] == "1" && slot <= kNumberedSlots) {
        const std::string transmit = Field(record, 14);
        if (transmit.empty())
            return Empty(command);
        return command + "," + transmit + "," + Field(record, 15);
    }
    return kRefused;
}

// "MW 0,0,<label>,f1..f12" replaces the main part and drops the split (the
// editor sends "MW 0,1" afterwards when there is one); the name of a
// numbered slot stays, that of PR goes (its name command only follows when
// there is a name). "MW 0,1,<nnn>,f14,f15" adds the split to a stored slot.
std::string Radio::WriteMemory(const std::string &command, const std::vector<std::string> &args)
{
    if (args.size() < 3 || args[0] != "0")
        return kRefused;
    const int slot = SlotOfLabel(args[2]);
    if (slot == 0)
        return kRefused;
    std::string &record = memory_.memory[slot];
    if (args[1] == "0") {
        if (args.size() != 3 + 12 || args[3].empty())
            return kRefused;
        std::vector<std::string> fields(kRecordFields);
        fields[0] = SlotLabel(slot);
        for (int i = 1; i <= 12; ++i)
            fields[i] = args[2 + i];
        if (slot <= kNumberedSlots)
            fields[17] = Field(record, 17);
        record = JoinFields(fields, 0, kRecordFields - 1);
        return command;
    }
    if (args[1] == "1") {
        if (slot > kNumberedSlots || args.size() != 3 + 2 || args[3].empty() || record.empty())
            return kRefused;
        record = WithField(WithField(record, 14, args[3]), 15, args[4]);
        return command;
    }
    return kRefused;
}

// "MNA 0,<nnn>" and "MNA 0,PR" read the name: "<name>" after the head
// "MNA 0,<label>,". Empty item: no name, whether the slot holds a record or
// not; its echo is the head followed by seven blanks. With a further comma
// and a name (possibly empty) they write it into a stored slot.
std::string Radio::Name(const std::string &command, const std::string &rest)
{
    if (rest.compare(0, 2, "0,") != 0)
        return kRefused;
    const size_t comma = rest.find(',', 2);
    const std::string label = rest.substr(2, comma == std::string::npos ? std::string::npos : comma - 2);
    const int slot = SlotOfLabel(label);
    if (slot == 0 || (slot > kNumberedSlots && slot != kPrSlot))
        return kRefused;
    std::string &record = memory_.memory[slot];
    if (comma == std::string::npos) {
        const std::string name = Field(record, 17);
        return name.empty() ? Empty(command + "," + kNoName) : command + "," + name;
    }
    const std::string name = rest.substr(comma + 1);
    if (record.empty() || name.size() > kMaxName || name.find(',') != std::string::npos)
        return kRefused;
    record = WithField(record, 17, name);
    return command;
}

// "CR i,0": fields 1..11 after the head "CR i,0,"; "CR i,1": "f14,f15" after
// the head "CR i,1,". Empty items: a channel without a record (part 0), a
// channel without a transmit frequency (part 1); their echo is the bare
// command. "CW i,0,f1..f11" replaces the record (no split), "CW i,1,f14,f15"
// adds the split.
std::string Radio::Call(const std::string &command, const std::vector<std::string> &args, bool write)
{
    if (args.size() < 2)
        return kRefused;
    const int index = Index01(args[0]);
    const int part = Index01(args[1]);
    if (index < 0 || part < 0)
        return kRefused;
    std::string &record = memory_.call[index];
    if (!write) {
        if (args.size() != 2)
            return kRefused;
        if (part == 0)
            return record.empty() ? Empty(command) : command + "," + JoinFields(SplitFields(record), 1, 11);
        const std::string transmit = Field(record, 14);
        return transmit.empty() ? Empty(command) : command + "," + transmit + "," + Field(record, 15);
    }
    if (part == 0) {
        if (args.size() != 2 + 11 || args[2].empty())
            return kRefused;
        std::vector<std::string> fields(kRecordFields);
        fields[0] = args[0];
        for (int i = 1; i <= 11; ++i)
            fields[i] = args[1 + i];
        record = JoinFields(fields, 0, kRecordFields - 1);
        return command;
    }
    if (args.size() != 2 + 2 || args[2].empty() || record.empty())
        return kRefused;
    record = WithField(WithField(record, 14, args[2]), 15, args[3]);
    return command;
}

// "VR c": "c,f1,...,f11" after the head "VR ". Empty item: a band without a
// record; its echo is the bare command, whose one character after the head
// counts as nothing.
std::string Radio::ReadVfo(const std::string &command, const std::vector<std::string> &args)
{
    if (args.size() != 1)
        return kRefused;
    const int band = BandOfCode(args[0]);
    if (band < 0)
        return kRefused;
    const std::string &record = memory_.vfo[band];
    if (record.empty())
        return Empty(command);
    return "VR " + args[0] + "," + JoinFields(SplitFields(record), 1, 11);
}

// "VW c,f1..f11" replaces the VFO of band code c; its output power stays.
std::string Radio::WriteVfo(const std::string &command, const std::vector<std::string> &args)
{
    if (args.size() != 1 + 11 || args[1].empty())
        return kRefused;
    const int band = BandOfCode(args[0]);
    if (band < 0)
        return kRefused;
    std::string &record = memory_.vfo[band];
    std::vector<std::string> fields(kRecordFields);
    fields[0] = args[0];
    for (int i = 1; i <= 11; ++i)
        fields[i] = args[i];
    fields[16] = Field(record, 16);
    record = JoinFields(fields, 0, kRecordFields - 1);
    return command;
}

// "PC 0" / "PC 1": the power code of VFO band index 1 / 3 after the head
// "PC i,". Empty item: that band without a record, or with a record but no
// power code; its echo is the bare head "PC i,". "PC i,p" sets the code
// (p "0".."3") on a stored VFO.
std::string Radio::Power(const std::string &command, const std::vector<std::string> &args)
{
    const int index = Index01(args[0]);
    if (index < 0 || args.size() > 2)
        return kRefused;
    std::string &record = memory_.vfo[PowerBand(index)];
    if (args.size() == 1) {
        const std::string power = Field(record, 16);
        return power.empty() ? Empty(command + ",") : command + "," + power;
    }
    const std::string &power = args[1];
    if (power.size() != 1 || power[0] < '0' || power[0] > '3' || record.empty())
        return kRefused;
    record = WithField(record, 16, power);
    return command;
}

// "DM nn": "nn,code" after the head "DM ", with "*" sent as "E" and "#" as
// "F". Empty item: a memory without a code (never written, or cleared); its
// echo is the bare head "DM nn,". "DM nn,code" stores a code given in that
// form.
std::string Radio::Dtmf(const std::string &command, const std::vector<std::string> &args)
{
    const int number = DtmfNumber(args[0]);
    if (number < 0 || args.size() > 2)
        return kRefused;
    std::string &record = memory_.dtmf[number];
    if (args.size() == 1) {
        std::string code = Field(record, 1);
        // The cut echo of an empty DTMF memory is the bare "DM nn", the
        // number with no comma after it.
        if (code.empty())
            return Empty(command);
        for (char &c : code) {
            if (c == '*')
                c = 'E';
            else if (c == '#')
                c = 'F';
        }
        return "DM " + args[0] + "," + code;
    }
    std::string code = args[1];
    if (code.size() > kMaxDtmfCode)
        return kRefused;
    for (char &c : code) {
        if (c == 'E')
            c = '*';
        else if (c == 'F')
            c = '#';
        else if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'D')))
            return kRefused;
    }
    record = args[0] + "," + code;
    return command;
}

// "EEP 0Cxx,01,00" empties memory slot xx + 1; "EEP 0CCx,01,FF" empties DTMF
// memory x - 6 (hexadecimal digits in lower case). Other addresses are
// refused: the editor writes no others.
std::string Radio::Eeprom(const std::string &command, const std::vector<std::string> &args)
{
    if (args.size() != 3 || args[1] != "01" || args[0].size() != 4 || args[0].compare(0, 2, "0C") != 0)
        return kRefused;
    const std::string &address = args[0];
    if (address[2] == 'C' && args[2] == "FF" && IsLowerHex(address[3])) {
        const int number = LowerHexValue(address[3]) - 6;
        if (number < 0 || number >= kDtmfRecords)
            return kRefused;
        memory_.dtmf[number].clear();
        return command;
    }
    if (args[2] == "00" && IsLowerHex(address[2]) && IsLowerHex(address[3])) {
        const int slot = LowerHexValue(address[2]) * 16 + LowerHexValue(address[3]) + 1;
        if (slot > kMemorySlots)
            return kRefused;
        memory_.memory[slot].clear();
        return command;
    }
    return kRefused;
}

} // namespace sim
