// Output of the command-line tool.
#pragma once

#include <QStringList>

#include <cstdio>

// Writes lines that may hold text from a file, a CSV row or the radio, each
// ended by a line feed. On a terminal the control characters inside a line
// (a line feed there too) are shown as visible escapes, so that text cannot
// drive the terminal, while the line ends written here stay real line
// breaks. Into a pipe or a file the lines go unchanged. False on a write
// error.
bool WriteFileDerivedLines(std::FILE *stream, const QStringList &lines);
