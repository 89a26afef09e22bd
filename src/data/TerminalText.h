// Text taken from a file or a device, made safe to show on a terminal.
#pragma once

#include <QString>

// Replaces every control character (C0 codes, DEL and the C1 codes
// U+0080..U+009F) with a visible escape "\xHH", so text from a data file
// cannot move the cursor, retitle the window or otherwise drive a terminal.
// Other characters are kept.
QString EscapeControlCharacters(const QString &text);
