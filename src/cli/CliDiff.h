// "vxl-r381-cli diff A B": the slots that differ between two data files or
// CSV files, field by field.
#pragma once

#include <QStringList>

struct TCliCommandSpec;

// args: the arguments after "diff". Exit code 0 equal, 1 different, 2 error.
int CliDiff(const QStringList &args);
const TCliCommandSpec &CliDiffSpec();
