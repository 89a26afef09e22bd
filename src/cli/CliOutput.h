// Output of the command-line tool.
#pragma once

#include <QString>

#include <cstdio>

// Writes text that comes from a file or from the radio (with no line end
// added). On a terminal its control characters are shown as visible
// escapes; into a pipe or a file it goes unchanged. False on a write error.
bool WriteFileDerivedText(std::FILE *stream, const QString &text);
