// "vxl-r381-cli list IN.381": loads a data file under the stored radio type
// and prints the document listing without page headers.
#include "CliList.h"

#include "data/ChannelDocument.h"
#include "data/DataFile.h"
#include "data/Settings.h"
#include "listing/Listing.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

void PrintError(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

} // namespace

int CliList(const QStringList &args)
{
    if (args.size() != 1) {
        PrintError(QStringLiteral("usage: vxl-r381-cli list IN.381"));
        return 2;
    }

    // The same checks as opening a file in the program: a ".381" file that
    // can be read.
    const QString path = args.first();
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
