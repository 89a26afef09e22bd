// vxl-r381: the editor. Its one optional argument is a data file, which may
// arrive split over several arguments when its path holds spaces.
#include "app/ApplicationShell.h"

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    TApplicationShell shell;
    shell.SetArguments(QCoreApplication::arguments().mid(1));
    return shell.Run();
}
