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

class Radio {
public:
    Radio(Memory &memory, std::string radioType, std::string bandLimits);

    // Reply text (no carriage return) to one command line (no line end).
    // Write commands change the memory.
    std::string Answer(const std::string &command);

    // Reply to the empty line the editor sends to wake the radio.
    std::string wakeReply = "?";

private:
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
