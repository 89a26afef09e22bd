// "vxl-r381-cli list [--pdf OUT.pdf] IN.381": loads a data file under the
// stored radio type and prints the document listing without page headers,
// or writes the printed pages into a PDF file.
#include "CliList.h"

#include "CliCommon.h"

#include "data/ChannelDocument.h"
#include "data/DataFile.h"
#include "data/InputFile.h"
#include "data/Settings.h"
#include "data/TerminalText.h"
#include "listing/Listing.h"
#include "print/ListingPages.h"
#include "CliOutput.h"

#include <QDir>
#include <QFileInfo>

#include <QCommandLineParser>

#include <cstdio>

const TCliCommandSpec &CliListSpec()
{
    static const TCliCommandSpec spec{
        QStringLiteral("list"),
        QStringLiteral("vxl-r381-cli list [--pdf OUT.pdf] IN.381"),
        QStringLiteral("Prints the listing of a data file (as printed, without page headers) under\n"
                       "the stored radio type. '-' reads standard input. With --pdf the printed\n"
                       "pages are written into OUT.pdf instead; no printer or display is needed."),
        {QStringLiteral("IN.381")},
        0,
        {{QStringLiteral("--pdf OUT.pdf"), QStringLiteral("write the printed pages into a PDF file")}},
        QStringLiteral("the pages could not be made"),
    };
    return spec;
}

int CliList(const QStringList &args)
{
    QCommandLineParser parser;
    const QCommandLineOption pdfOption(QStringLiteral("pdf"), QString(), QStringLiteral("OUT.pdf"));
    parser.addOption(pdfOption);
    const int parsed = CliParseCommand(parser, CliListSpec(), args);
    if (parsed >= 0)
        return parsed;
    const QString path = parser.positionalArguments().first();
    const QString pdfPath = parser.value(pdfOption);
    if (parser.isSet(pdfOption) && pdfPath.isEmpty())
        return CliUsageError(CliListSpec(), QStringLiteral("empty value for --pdf"));
    if (const int refused = CliBeginCommand({path}, {pdfPath}); refused >= 0)
        return refused;

    // The same checks as opening a file in the program: a ".381" file that
    // can be read.
    QByteArray content;
    if (!CliReadInput(path, true, &content))
        return kCliFileError;

    TChannelDocument doc;
    LoadSettings(doc);
    doc.ResetDocument();
    QString comment;
    ReadDataFile(content, doc, &comment);

    if (parser.isSet(pdfOption)) {
        // Page headers carry the editor's caption for the opened file.
        const QString shown = path == QLatin1String("-") ? QStringLiteral("Untitled")
                                                         : QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
        const QString caption = QStringLiteral("VXL-R381 [%1]").arg(shown);
        QByteArray bytes;
        if (!ListingPdf(BuildListing(doc, comment, caption), &bytes)) {
            CliPrintError(QStringLiteral("The listing could not be exported."));
            return kCliFailed;
        }
        if (pdfPath == QLatin1String("-"))
            return CliWriteOutput(pdfPath, false, bytes) ? kCliOk : kCliFileError;
        if (!SaveFileAtomically(pdfPath, bytes)) {
            CliPrintError(QStringLiteral("The listing could not be exported.\n%1: the file could not be written.")
                              .arg(EscapeControlCharacters(QDir::toNativeSeparators(pdfPath))));
            return kCliFileError;
        }
        return kCliOk;
    }

    // The comment and the records come from the file: on a terminal their
    // control characters are shown, not obeyed.
    if (!WriteFileDerivedLines(stdout, ListingText(doc, comment)) || std::fflush(stdout) != 0) {
        CliPrintError(QStringLiteral("Write error.\nstandard output: could not be written"));
        return kCliFileError;
    }
    return kCliOk;
}

bool CliListWantsPdf(const QStringList &args)
{
    for (const QString &arg : args) {
        if (arg == QLatin1String("--"))
            break;
        if (arg == QLatin1String("--pdf") || arg.startsWith(QLatin1String("--pdf=")))
            return true;
    }
    return false;
}
