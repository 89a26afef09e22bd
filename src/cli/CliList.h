// "vxl-r381-cli list IN.381": the listing body as text on standard output.
#pragma once

#include <QStringList>

struct TCliCommandSpec;

// args: the arguments after "list". Returns the exit code.
int CliList(const QStringList &args);
const TCliCommandSpec &CliListSpec();
