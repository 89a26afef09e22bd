// The editor's command line: "--help" and "--version" print on standard
// output and end the program before any window is made; "--read" and
// "--backups" start with Radio > Read or File > Open Backup...; an unknown
// option is an error; the words left name the data file to open.
#pragma once

#include <QString>
#include <QStringList>

struct TEditorCommandLine {
    enum class Action { Run, Help, Version, Error };
    // What the main window does once it is up (the desktop entry's
    // actions): nothing, Radio > Read ("--read"), or File > Open Backup...
    // in the backups folder ("--backups").
    enum class Start { None, Read, Backups };
    Action action = Action::Run;
    Start start = Start::None;
    QString path;    // Run: the data file to open (empty: none)
    QString message; // Error: what is wrong; Run: a notice, e.g. files not opened
};

// args: the arguments after the program name (toolkit options removed).
// A path with spaces may arrive split over several arguments: the words are
// joined with single spaces into one path. When that path does not exist
// but the first word is an existing file, the words are separate files:
// the first is opened and the notice names the others. An argument that
// starts with "-" and is not an option of the editor is an error; after
// "--" every argument is a word.
TEditorCommandLine ParseEditorCommandLine(const QStringList &args);

// The text of "vxl-r381 --help".
QByteArray EditorHelpText();

// args: the arguments after the program name. Returns true (and the exit
// code) when an informational option was given and handled.
bool HandleEditorInfoOptions(const QStringList &args, int *exitCode);
