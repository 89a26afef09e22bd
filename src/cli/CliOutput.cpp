#include "CliOutput.h"

#include "data/TerminalText.h"

#include <unistd.h>

bool WriteFileDerivedText(std::FILE *stream, const QString &text)
{
    const bool terminal = isatty(fileno(stream)) == 1;
    const QByteArray bytes = (terminal ? EscapeControlCharacters(text) : text).toLocal8Bit();
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) == size_t(bytes.size());
}
