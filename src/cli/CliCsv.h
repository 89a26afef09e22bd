// "vxl-r381-cli export IN.381 OUT.csv" and "vxl-r381-cli import IN.csv
// OUT.381 [--into BASE.381]": memory channels to and from the CSV layout of
// radio programming tools.
#pragma once

#include <QStringList>

struct TCliCommandSpec;

// args: the arguments after the command name. Return the exit code.
int CliExport(const QStringList &args);
int CliImport(const QStringList &args);

const TCliCommandSpec &CliExportSpec();
const TCliCommandSpec &CliImportSpec();
