// "vxl-r381-cli list IN.381": loads a data file under the stored radio type
// and prints the document listing without page headers.
#include "CliList.h"

#include "CliCommon.h"

#include "data/ChannelDocument.h"
#include "data/DataFile.h"
#include "data/InputFile.h"
#include "data/Settings.h"
#include "listing/Listing.h"
#include "CliOutput.h"

#include <QCommandLineParser>

#include <cstdio>

const TCliCommandSpec &CliListSpec()
{
    static const TCliCommandSpec spec{
        QStringLiteral("list"),
        QStringLiteral("vxl-r381-cli list IN.381"),
        QStringLiteral("Prints the listing of a data file (as printed, without page headers) under\n"
                       "the stored radio type. '-' reads standard input.\n"
                       "Exit codes: 0 done, 1 the file could not be read, 2 wrong arguments."),
        {QStringLiteral("IN.381")},
        0,
        QString(),
    };
    return spec;
}

int CliList(const QStringList &args)
{
    QCommandLineParser parser;
    const int parsed = CliParseCommand(parser, CliListSpec(), args);
    if (parsed >= 0)
        return parsed;

    // The same checks as opening a file in the program: a ".381" file that
    // can be read.
    QByteArray content;
    if (!CliReadInput(parser.positionalArguments().first(), true, &content))
        return 1;

    TChannelDocument doc;
    LoadSettings(doc);
    doc.ResetDocument();
    QString comment;
    ReadDataFile(content, doc, &comment);

    QString out;
    for (const QString &line : ListingText(doc, comment)) {
        out += line;
        out += QLatin1Char('\n');
    }
    // The comment and the records come from the file: on a terminal their
    // control characters are shown, not obeyed.
    if (!WriteFileDerivedText(stdout, out) || std::fflush(stdout) != 0) {
        CliPrintError(QStringLiteral("Write error."));
        return 1;
    }
    return 0;
}
