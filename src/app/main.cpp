// vxl-r381: the editor. Its one optional argument is a data file, which may
// arrive split over several arguments when its path holds spaces; "--read"
// and "--backups" start with Radio > Read or File > Open Backup...; "--help"
// and "--version" are answered without a window, and an unknown option is
// refused with exit code 2 before any window is made.
#include "app/ApplicationShell.h"
#include "app/EditorOptions.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    int exitCode = 0;
    if (HandleEditorInfoOptions(args, &exitCode))
        return exitCode;

    TApplication app(argc, argv);
    // The toolkit has taken its own options (-platform, -style, ...) out of
    // the arguments by now; what is left is the editor's.
    const TEditorCommandLine line = ParseEditorCommandLine(QCoreApplication::arguments().mid(1));
    if (line.action == TEditorCommandLine::Action::Error) {
        std::fprintf(stderr, "vxl-r381: %s\nTry 'vxl-r381 --help'.\n", line.message.toLocal8Bit().constData());
        return 2;
    }
    if (!line.message.isEmpty())
        std::fprintf(stderr, "vxl-r381: %s\n", line.message.toLocal8Bit().constData());
    // The editor speaks the user's language; the command-line tool stays
    // English for scripts.
    TApplicationShell::InstallTranslations(QLocale::system());
    TApplicationShell shell;
    shell.SetArguments(line.path.isEmpty() ? QStringList() : QStringList{line.path});
    shell.SetStartCommand(line.start);
    return shell.Run();
}
