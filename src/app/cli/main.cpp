// vxl-r381-cli: the editor's data file listing and radio transfers for
// backups and scripts. It shares the editor's settings.
#include "CliList.h"
#include "CliTransfer.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

#ifndef VXL_VERSION
#define VXL_VERSION "1.10"
#endif

int main(int argc, char *argv[])
{
    // Drawing PDF pages needs fonts, so "list --pdf" runs a GUI application
    // object. It never shows a window: unless the user chose a platform, it
    // uses the offscreen one and needs no display.
    QStringList rawArgs;
    for (int i = 1; i < argc; ++i)
        rawArgs.append(QString::fromLocal8Bit(argv[i]));
    const bool pdf = !rawArgs.isEmpty() && rawArgs.first() == QLatin1String("list")
                     && CliListWantsPdf(rawArgs.mid(1));
    if (pdf && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app(pdf ? new QGuiApplication(argc, argv)
                                              : new QCoreApplication(argc, argv));
    QCoreApplication::setOrganizationName(QStringLiteral("HALVORD"));
    QCoreApplication::setApplicationName(QStringLiteral("VXL-R381"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VXL_VERSION));

    const QStringList args = QCoreApplication::arguments().mid(1);
    const QString command = args.isEmpty() ? QString() : args.first();
    if (command == QLatin1String("--version")) {
        std::printf("vxl-r381-cli %s\n", VXL_VERSION);
        return 0;
    }
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        std::printf("%s\n%s\n", CliListUsage().toLocal8Bit().constData(),
                    CliTransferUsage().toLocal8Bit().constData());
        return 0;
    }
    if (command == QLatin1String("list"))
        return CliList(args.mid(1));
    if (command == QLatin1String("read"))
        return CliRead(args.mid(1));
    if (command == QLatin1String("write"))
        return CliWrite(args.mid(1));

    std::fprintf(stderr, "%s\n%s\n", CliListUsage().toLocal8Bit().constData(),
                 CliTransferUsage().toLocal8Bit().constData());
    return kCliUsage;
}
