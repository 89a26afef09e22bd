// vxl-r381: the editor. Its one optional argument is a data file, which may
// arrive split over several arguments when its path holds spaces; "--help"
// and "--version" alone are answered without a window.
#include "app/ApplicationShell.h"
#include "app/EditorOptions.h"

int main(int argc, char *argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    int exitCode = 0;
    if (HandleEditorInfoOptions(args, &exitCode))
        return exitCode;

    TApplication app(argc, argv);
    TApplicationShell shell;
    shell.SetArguments(QCoreApplication::arguments().mid(1));
    return shell.Run();
}
