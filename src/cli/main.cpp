// vxl-r381-cli: the editor's data file listing and radio transfers for
// backups and scripts. It shares the editor's settings.
#include "CliList.h"
#include "CliTransfer.h"
#include "data/Settings.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QLatin1String(kSettingsOrganisation));
    QCoreApplication::setApplicationName(QLatin1String(kSettingsApplication));

    const QStringList args = app.arguments().mid(1);
    const QString command = args.isEmpty() ? QString() : args.first();
    if (command == QLatin1String("list"))
        return CliList(args.mid(1));
    if (command == QLatin1String("read"))
        return CliRead(args.mid(1));
    if (command == QLatin1String("write"))
        return CliWrite(args.mid(1));

    std::fprintf(stderr, "usage: vxl-r381-cli list IN.381\n%s\n",
                 CliTransferUsage().toLocal8Bit().constData());
    return kCliUsage;
}
