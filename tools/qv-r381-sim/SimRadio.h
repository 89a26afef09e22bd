// The radio's side of the line protocol: one reply line for each command
// line. A reply starts with the command's echo, so that the editor, which
// drops a fixed number of characters from the front of each reply, finds
// exactly the data it asked for. Commands the radio does not understand, and
// write commands whose parameters do not fit, are answered with "?" and
// change nothing, so that a faulty command shows up in the saved memory.
#pragma once

#include "SimMemory.h"

#include <string>

namespace sim {

// How the radio answers a read of an item it does not hold (an empty memory
// slot, a missing split or name, a VFO band without a record, an empty DTMF
// memory): a single "N", as a real radio does; an empty line; a single "?";
// or the echo of the command cut where the data would start.
enum class EmptyReply { N, Cr, Question, Echo };

// The option text of a form ("N", "cr", "?", "echo"); false for any other.
bool ParseEmptyReply(const std::string &text, EmptyReply &form);

class Radio {
public:
    Radio(Memory &memory, std::string radioType, std::string bandLimits);

    // Reply text (no carriage return) to one command line (no line end).
    // Write commands change the memory.
    std::string Answer(const std::string &command);

    // Reply to the empty line the editor sends to wake the radio.
    std::string wakeReply = "?";
    // The answer to a read of an empty item.
    EmptyReply emptyReply = EmptyReply::N;

private:
    // The reply to a read of an empty item; echo is that of the echo form.
    std::string Empty(std::string echo) const;
    std::string ReadMemory(const std::string &command, const std::vector<std::string> &args);
    std::string WriteMemory(const std::string &command, const std::vector<std::string> &args);
    std::string Name(const std::string &command, const std::string &rest);
    std::string Call(const std::string &command, const std::vector<std::string> &args, bool write);
    std::string ReadVfo(const std::string &command, const std::vector<std::string> &args);
    std::string WriteVfo(const std::string &command, const std::vector<std::string> &args);
    std::string Power(const std::string &command, const std::vector<std::string> &args);
    std::string Dtmf(const std::string &command, const std::vector<std::string> &args);
    std::string Eeprom(const std::string &command, const std::vector<std::string> &args);

    Memory &memory_;
    std::string radioType_;
    std::string bandLimits_;
};

} // namespace sim
