// "vxl-r381-cli list IN.381": loads a data file under the stored radio type
// and prints the document listing without page headers.
#include "CliList.h"

#include "data/ChannelDocument.h"
#include "data/DataFile.h"
#include "data/InputFile.h"
#include "data/Settings.h"
#include "listing/Listing.h"
#include "CliOutput.h"

#include <QFileInfo>

#include <cstdio>

namespace {

void PrintError(const QString &text)
{
    WriteFileDerivedText(stderr, text + QLatin1Char('\n'));
}

} // namespace

int CliList(const QStringList &args)
{
    if (args.size() != 1) {
        PrintError(QStringLiteral("usage: vxl-r381-cli list IN.381"));
        return 2;
    }

    // The same checks as opening a file in the program: a ".381" name and a
    // regular file of a sane size.
    const QString path = args.first();
    if (QFileInfo(path).suffix().compare(QLatin1String("381"), Qt::CaseInsensitive) != 0) {
        PrintError(FileOpenErrorText(path, QStringLiteral("the name does not end in \".381\"")));
        return 1;
    }
    const TInputFile input = ReadInputFile(path);
    if (!input.ok) {
        PrintError(FileOpenErrorText(path, input.reason));
        return 1;
    }
    const QByteArray &content = input.content;

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
        PrintError(QStringLiteral("Write error."));
        return 1;
    }
    return 0;
}
