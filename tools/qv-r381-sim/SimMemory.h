// The simulated radio's memory: the same comma-separated record texts the
// editor keeps (memory slots 1..193, two CALL channels, five VFOs, ten DTMF
// memories), and a small reader and writer of ".381" data files so that a
// test can start the radio from a known image and inspect what a write left
// behind.
#pragma once

#include <string>
#include <vector>

namespace sim {

constexpr int kMemorySlots = 193;   // 1..180 numbered, 181..192 L1..U6, 193 PR
constexpr int kNumberedSlots = 180;
constexpr int kPrSlot = 193;
constexpr int kCallRecords = 2;
constexpr int kVfoRecords = 5;
constexpr int kDtmfRecords = 10;
constexpr int kRecordFields = 18;

// Band codes of the five VFO records, by band index.
extern const char *const kBandCodes[kVfoRecords];

// Slot label: "001".."180", "L1".."U6", "PR"; empty for a slot out of range.
std::string SlotLabel(int slot);
// Slot of a label as the radio's commands name it ("001".."180" with three
// digits, "L1".."U6", "PR"); 0 when the text is no slot label.
int SlotOfLabel(const std::string &label);
// Band index of a band code ("1", "2", "5", "6", "8"); -1 otherwise.
int BandOfCode(const std::string &code);

// Splits at every comma (no escaping); an empty text gives one empty field.
std::vector<std::string> SplitFields(const std::string &text);
std::string JoinFields(const std::vector<std::string> &fields, size_t first, size_t last);
// Field n of a record text (n above 17 means 17); empty when missing.
std::string Field(const std::string &record, int n);
// The record with field n replaced, padded to all 18 fields when shorter.
std::string WithField(const std::string &record, int n, const std::string &value);

struct Memory {
    std::string comment;
    std::string memory[kMemorySlots + 1]; // index 0 unused
    std::string call[kCallRecords];
    std::string vfo[kVfoRecords];
    std::string dtmf[kDtmfRecords];
};

// Reads a ".381" file into an empty memory. Returns false (with a reason)
// only when the file cannot be read; lines the format does not know are
// skipped without disturbing other records.
bool ReadImage(const std::string &path, Memory &memory, std::string &error);
// Parses the text of a ".381" file.
void ParseImage(const std::string &text, Memory &memory);
// The ".381" text of a memory, CR LF line ends.
std::string FormatImage(const Memory &memory);
bool WriteImage(const std::string &path, const Memory &memory, std::string &error);

} // namespace sim
