// CSV export and import on the command line. Both load and build documents
// under the stored radio type, as the editor does.
#include "CliCsv.h"

#include "CliCommon.h"
#include "data/ChannelDocument.h"
#include "data/CsvExport.h"
#include "data/CsvImport.h"
#include "data/DataFile.h"
#include "data/Settings.h"
#include "data/TerminalText.h"

#include <QCommandLineParser>

const TCliCommandSpec &CliExportSpec()
{
    static const TCliCommandSpec spec{
        QStringLiteral("export"),
        QStringLiteral("vxl-r381-cli export IN.381 OUT.csv"),
        QStringLiteral("Writes the memory channels of a data file as CSV rows (Location 1..193,\n"
                       "181..193 for L1..U6 and PR). VFO, CALL and DTMF stay in .381 files.\n"
                       "'-' reads standard input or writes standard output."),
        {QStringLiteral("IN.381"), QStringLiteral("OUT.csv")},
        0,
        {},
        QString(),
    };
    return spec;
}

const TCliCommandSpec &CliImportSpec()
{
    static const TCliCommandSpec spec{
        QStringLiteral("import"),
        QStringLiteral("vxl-r381-cli import IN.csv OUT.381 [--into BASE.381]"),
        QStringLiteral("Reads CSV rows into memory channels through the memory editor's rules and\n"
                       "writes a data file. Every row is applied, adjusted or refused; the report\n"
                       "goes to standard error. Slots the CSV does not name keep the content of\n"
                       "BASE.381, or of a new document without --into. OUT.381 is written only\n"
                       "when a row was applied. '-' reads standard input or writes standard output."),
        {QStringLiteral("IN.csv"), QStringLiteral("OUT.381")},
        0,
        {{QStringLiteral("--into BASE.381"), QStringLiteral("start from this data file instead of a new document")}},
        QStringLiteral("some rows were adjusted or refused (0: every row applied)"),
    };
    return spec;
}

int CliExport(const QStringList &args)
{
    const TCliCommandSpec &spec = CliExportSpec();
    QCommandLineParser parser;
    const int parsed = CliParseCommand(parser, spec, args);
    if (parsed >= 0)
        return parsed;
    const QStringList files = parser.positionalArguments();
    if (const int refused = CliBeginCommand({files.at(0)}, {files.at(1)}); refused >= 0)
        return refused;

    QByteArray content;
    if (!CliReadInput(files.at(0), true, &content))
        return kCliFileError;
    TChannelDocument doc;
    LoadSettings(doc);
    doc.ResetDocument();
    QString comment;
    ReadDataFile(content, doc, &comment);
    return CliWriteOutput(files.at(1), false, ExportCsv(doc)) ? kCliOk : kCliFileError;
}

int CliImport(const QStringList &args)
{
    const TCliCommandSpec &spec = CliImportSpec();
    QCommandLineParser parser;
    const QCommandLineOption into(QStringLiteral("into"), QString(), QStringLiteral("BASE.381"));
    parser.addOption(into);
    const int parsed = CliParseCommand(parser, spec, args);
    if (parsed >= 0)
        return parsed;
    const QStringList files = parser.positionalArguments();
    const QString base = parser.value(into);
    if (parser.isSet(into) && base.isEmpty())
        return CliUsageError(spec, QStringLiteral("empty value for --into"));
    if (files.at(0) == QLatin1String("-") && base == QLatin1String("-"))
        return CliUsageError(spec, QStringLiteral("IN.csv and --into cannot both be standard input"));
    if (const int refused = CliBeginCommand({files.at(0), base}, {files.at(1)}); refused >= 0)
        return refused;

    QByteArray csv;
    if (!CliReadInput(files.at(0), false, &csv))
        return kCliFileError;

    TChannelDocument doc;
    LoadSettings(doc);
    doc.ResetDocument();
    QString comment;
    if (!base.isEmpty()) {
        QByteArray content;
        if (!CliReadInput(base, true, &content))
            return kCliFileError;
        ReadDataFile(content, doc, &comment);
    }

    const TCsvImportPlan plan = PlanCsvImport(csv, doc);
    if (!plan.ok) {
        CliFileError(files.at(0) == QLatin1String("-") ? QStringLiteral("standard input") : files.at(0), plan.error);
        return kCliFileError;
    }
    for (const QString &line : CsvImportReport(plan))
        CliPrintNote(EscapeControlCharacters(line));
    if (plan.StoredCount() == 0) {
        CliPrintError(QStringLiteral("No row applied; %1 not written.").arg(EscapeControlCharacters(files.at(1))));
        return kCliFailed;
    }
    ApplyCsvImport(plan, doc);
    if (!CliWriteOutput(files.at(1), true, WriteDataFile(doc, comment)))
        return kCliFileError;
    const bool allApplied = plan.Count(TCsvRowStatus::Applied) == plan.rows.size() && !plan.truncated;
    return allApplied ? kCliOk : kCliFailed;
}
