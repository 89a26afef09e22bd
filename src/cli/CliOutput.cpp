#include "CliOutput.h"

#include "data/TerminalText.h"

#include <unistd.h>

bool WriteFileDerivedLines(std::FILE *stream, const QStringList &lines)
{
    const bool terminal = isatty(fileno(stream)) == 1;
    QString text;
    for (const QString &line : lines) {
        text += terminal ? EscapeControlCharacters(line) : line;
        text += QLatin1Char('\n');
    }
    const QByteArray bytes = text.toLocal8Bit();
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) == size_t(bytes.size());
}
