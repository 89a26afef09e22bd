// "vxl-r381 --help", "vxl-r381 --version" and the data file named on the
// command line.
#include "EditorOptions.h"

#include "data/ProgramVersion.h"

#include <QFileInfo>

#include <cstdio>

TEditorCommandLine ParseEditorCommandLine(const QStringList &args)
{
    TEditorCommandLine result;
    QStringList words;
    bool optionsEnd = false;
    for (const QString &arg : args) {
        if (optionsEnd || arg == QLatin1String("-") || !arg.startsWith(QLatin1Char('-'))) {
            words.append(arg);
        } else if (arg == QLatin1String("--")) {
            optionsEnd = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            result.action = TEditorCommandLine::Action::Help;
            return result;
        } else if (arg == QLatin1String("--version") || arg == QLatin1String("-v")) {
            result.action = TEditorCommandLine::Action::Version;
        } else if (arg == QLatin1String("--read") || arg == QLatin1String("--backups")) {
            const auto start = arg == QLatin1String("--read") ? TEditorCommandLine::Start::Read
                                                              : TEditorCommandLine::Start::Backups;
            if (result.start != TEditorCommandLine::Start::None && result.start != start
                && result.action == TEditorCommandLine::Action::Run) {
                result.action = TEditorCommandLine::Action::Error;
                result.message = QStringLiteral("--read and --backups cannot be given together");
            }
            result.start = start;
        } else if (result.action != TEditorCommandLine::Action::Version) {
            result.action = TEditorCommandLine::Action::Error;
            result.message = QStringLiteral("unknown option '%1'").arg(arg);
        }
    }
    if (result.action != TEditorCommandLine::Action::Run || words.isEmpty())
        return result;

    // A read replaces the document, so a file to open first makes no sense.
    if (result.start == TEditorCommandLine::Start::Read) {
        result.action = TEditorCommandLine::Action::Error;
        result.message = QStringLiteral("--read takes no file: the read fills a new document");
        return result;
    }
    result.path = words.join(QLatin1Char(' '));
    if (words.size() > 1 && !QFileInfo::exists(result.path) && QFileInfo(words.first()).isFile()) {
        result.path = words.first();
        result.message = QStringLiteral("one file is opened at a time: %1\nnot opened: %2")
                             .arg(words.first(), words.mid(1).join(QStringLiteral(", ")));
    }
    return result;
}

QByteArray EditorHelpText()
{
    return "usage: vxl-r381 [FILE.381]\n"
           "       vxl-r381 --read | --backups\n"
           "       vxl-r381 --help | --version\n\n"
           "The memory editor of the QV-R381 radio. FILE.381 is a data file to open; a\n"
           "path with spaces may be given unquoted. Of several files only the first is\n"
           "opened.\n\n"
           "Options:\n"
           "  -h, --help       show this help and exit\n"
           "  -v, --version    show the version and exit\n"
           "  --read           start with Radio > Read: the radio's memory into a new\n"
           "                   document\n"
           "  --backups        start with File > Open Backup...: the file dialog in the\n"
           "                   backups folder\n"
           "  --               what follows is a file name, even when it starts with '-'\n\n"
           "Exit codes:\n"
           "  0                the program ended (also after a file that could not be\n"
           "                   opened: the message is shown in the window)\n"
           "  2                an unknown option, or options that do not go together\n\n"
           "vxl-r381-cli lists, transfers, exports, imports and compares data files\n"
           "from the command line ('vxl-r381-cli --help').\n";
}

bool HandleEditorInfoOptions(const QStringList &args, int *exitCode)
{
    const TEditorCommandLine line = ParseEditorCommandLine(args);
    QByteArray text;
    if (line.action == TEditorCommandLine::Action::Help)
        text = EditorHelpText();
    else if (line.action == TEditorCommandLine::Action::Version)
        text = QByteArray("vxl-r381 ") + kProgramVersion + '\n';
    else
        return false;
    const bool written = std::fwrite(text.constData(), 1, size_t(text.size()), stdout) == size_t(text.size())
        && std::fflush(stdout) == 0;
    *exitCode = written ? 0 : 1;
    return true;
}
