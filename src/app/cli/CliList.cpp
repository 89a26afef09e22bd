// "vxl-r381-cli list [--pdf OUT.pdf] IN.381": loads a data file under the
// stored radio type and prints the document listing without page headers,
// or writes the printed pages into a PDF file.
#include "CliList.h"

#include "data/ChannelDocument.h"
#include "data/DataFile.h"
#include "data/Settings.h"
#include "print/ListingPages.h"
#include "ui/main/listing/Listing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

void PrintError(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

} // namespace

bool CliListWantsPdf(const QStringList &args)
{
    return args.contains(QLatin1String("--pdf"));
}

QString CliListUsage()
{
    return QStringLiteral("usage: vxl-r381-cli list [--pdf OUT.pdf] IN.381");
}

int CliList(const QStringList &args)
{
    QString path;
    QString pdfPath;
    bool pdf = false;
    bool usage = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--pdf") && !pdf && i + 1 < args.size()) {
            pdf = true;
            pdfPath = args.at(++i);
        } else if (path.isEmpty() && !args.at(i).startsWith(QLatin1String("--"))) {
            path = args.at(i);
        } else {
            usage = true;
        }
    }
    if (usage || path.isEmpty() || (pdf && pdfPath.isEmpty())) {
        PrintError(CliListUsage());
        return 2;
    }

    // The same checks as opening a file in the program: a ".381" file that
    // can be read.
    QFile file(path);
    if (QFileInfo(path).suffix().compare(QLatin1String("381"), Qt::CaseInsensitive) != 0
        || !file.open(QIODevice::ReadOnly)) {
        PrintError(QStringLiteral("File Open error."));
        return 1;
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        PrintError(QStringLiteral("File Open error."));
        return 1;
    }

    TChannelDocument doc;
    LoadSettings(doc);
    doc.ResetDocument();
    QString comment;
    ReadDataFile(content, doc, &comment);

    if (pdf) {
        // Page headers carry the editor's caption for the opened file.
        const QString caption = QStringLiteral("VXL-R381 [%1]")
                                    .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
        QByteArray bytes;
        if (!ListingPdf(BuildListing(doc, comment, caption), &bytes)) {
            PrintError(QStringLiteral("The listing could not be exported."));
            return 1;
        }
        if (!SaveFileAtomically(pdfPath, bytes)) {
            PrintError(QStringLiteral("The listing could not be exported.\n%1: the file could not be written.")
                           .arg(QDir::toNativeSeparators(pdfPath)));
            return 1;
        }
        return 0;
    }

    QByteArray out;
    for (const QString &line : ListingText(doc, comment)) {
        out += line.toLocal8Bit();
        out += '\n';
    }
    if (std::fwrite(out.constData(), 1, size_t(out.size()), stdout) != size_t(out.size())
        || std::fflush(stdout) != 0) {
        PrintError(QStringLiteral("Write error."));
        return 1;
    }
    return 0;
}
