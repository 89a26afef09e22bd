// Placeholder: the command-line tool is being built.
#include "CliList.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (!args.isEmpty() && args.first() == QLatin1String("list"))
        return CliList(args.mid(1));
    return 2;
}
