// "vxl-r381-cli read" and "vxl-r381-cli write": the editor's radio
// transfers, run without windows.
#pragma once

#include <QStringList>

// Exit codes of the transfer commands.
constexpr int kCliOk = 0;      // the transfer completed
constexpr int kCliFailed = 1;  // the radio, the port or the file failed, or the write was not confirmed
constexpr int kCliUsage = 2;   // wrong arguments

// args: the arguments after "read" / "write". Return the exit code.
int CliRead(const QStringList &args);
int CliWrite(const QStringList &args);

struct TCliCommandSpec;
const TCliCommandSpec &CliReadSpec();
const TCliCommandSpec &CliWriteSpec();
