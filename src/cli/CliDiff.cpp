// Comparing two documents on the command line. A .381 file loads as the
// editor opens it; a CSV file loads into an empty memory through the import
// rules. When either side is a CSV file only what a CSV row carries is
// compared.
#include "CliDiff.h"

#include "CliCommon.h"
#include "data/ChannelDocument.h"
#include "data/CsvImport.h"
#include "data/DataFile.h"
#include "data/DocumentDiff.h"
#include "data/Settings.h"
#include "data/TerminalText.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

struct TLoaded {
    TChannelDocument doc;
    QString comment;
    bool csv = false;
};

// Whether standard input holds CSV: its first line names a Location column.
bool LooksLikeCsv(const QByteArray &content)
{
    const qsizetype end = content.indexOf('\n');
    const QByteArray first = (end < 0 ? content : content.left(end)).toLower();
    return first.contains("location");
}

// Loads one side; false after the file error.
bool Load(const QString &path, TLoaded *loaded)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool stdio = path == QLatin1String("-");
    if (!stdio && suffix != QLatin1String("csv") && suffix != QLatin1String("381") && QFileInfo(path).isFile()) {
        CliFileError(path, QStringLiteral("not a .381 or .csv file"));
        return false;
    }
    QByteArray content;
    if (!CliReadInput(path, false, &content))
        return false;
    loaded->csv = stdio ? LooksLikeCsv(content) : suffix == QLatin1String("csv");

    LoadSettings(loaded->doc);
    loaded->doc.ResetDocument();
    if (!loaded->csv) {
        ReadDataFile(content, loaded->doc, &loaded->comment);
        return true;
    }
    for (int slot = 1; slot <= kMemorySlots; ++slot)
        loaded->doc.ClearMemoryRecord(slot);
    const TCsvImportPlan plan = PlanCsvImport(content, loaded->doc);
    if (!plan.ok) {
        CliFileError(stdio ? QStringLiteral("standard input") : path, plan.error);
        return false;
    }
    ApplyCsvImport(plan, loaded->doc);
    const int refused = plan.Count(TCsvRowStatus::Refused);
    if (refused > 0)
        CliPrintError(QStringLiteral("%1: %2 rows refused (see vxl-r381-cli import)")
                          .arg(EscapeControlCharacters(stdio ? QStringLiteral("standard input") : path))
                          .arg(refused));
    return true;
}

} // namespace

const TCliCommandSpec &CliDiffSpec()
{
    static const TCliCommandSpec spec{
        QStringLiteral("diff"),
        QStringLiteral("vxl-r381-cli diff A B"),
        QStringLiteral("Prints the slots that differ between A and B, each a .381 or a .csv file,\n"
                       "field by field: memory channels, VFO, CALL, DTMF and the comment (only\n"
                       "memory channels when either file is a CSV file). '-' reads one of them\n"
                       "from standard input."),
        {QStringLiteral("A"), QStringLiteral("B")},
        0,
        {},
        QStringLiteral("the files differ (0: they are equal)"),
    };
    return spec;
}

int CliDiff(const QStringList &args)
{
    const TCliCommandSpec &spec = CliDiffSpec();
    QCommandLineParser parser;
    const int parsed = CliParseCommand(parser, spec, args);
    if (parsed >= 0)
        return parsed;
    const QStringList files = parser.positionalArguments();
    if (files.at(0) == QLatin1String("-") && files.at(1) == QLatin1String("-"))
        return CliUsageError(spec, QStringLiteral("A and B cannot both be standard input"));
    if (const int refused = CliBeginCommand(files, {}); refused >= 0)
        return refused;

    TLoaded a;
    TLoaded b;
    if (!Load(files.at(0), &a) || !Load(files.at(1), &b))
        return kCliFileError;
    const TDiffScope scope = a.csv || b.csv ? TDiffScope::CsvFields : TDiffScope::Whole;
    const QStringList lines = DiffDocuments(a.doc, a.comment, b.doc, b.comment, scope);
    QString out;
    for (const QString &line : lines)
        out += EscapeControlCharacters(line) + QLatin1Char('\n');
    if (!CliPrintOut(out)) {
        CliPrintError(QStringLiteral("Write error.\nstandard output: could not be written"));
        return kCliFileError;
    }
    return lines.isEmpty() ? kCliOk : kCliFailed;
}
