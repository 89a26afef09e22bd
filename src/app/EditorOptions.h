// The editor's informational options: "--help" and "--version" print on
// standard output and end the program before any window is made, instead
// of being taken for a data file to open.
#pragma once

#include <QStringList>

// args: the arguments after the program name. Returns true (and the exit
// code) when an informational option was given and handled.
bool HandleEditorInfoOptions(const QStringList &args, int *exitCode);
