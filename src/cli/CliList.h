// "vxl-r381-cli list IN.381": the listing body as text on standard output;
// "vxl-r381-cli list --pdf OUT.pdf IN.381": the printed pages as a PDF file.
#pragma once

#include <QStringList>

struct TCliCommandSpec;

// args: the arguments after "list". Returns the exit code.
int CliList(const QStringList &args);
const TCliCommandSpec &CliListSpec();
// Whether the arguments ask for a PDF file (which needs a GUI application
// object for fonts and painting).
bool CliListWantsPdf(const QStringList &args);
