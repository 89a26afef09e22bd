// "vxl-r381-cli read" and "vxl-r381-cli write": the editor's radio
// transfers, run without windows.
#pragma once

#include <QStringList>

// args: the arguments after "read" / "write". Return the exit code.
int CliRead(const QStringList &args);
int CliWrite(const QStringList &args);

struct TCliCommandSpec;
const TCliCommandSpec &CliReadSpec();
const TCliCommandSpec &CliWriteSpec();
