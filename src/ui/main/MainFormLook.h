// The main window's look, shared by the file that builds its widgets and
// the one that runs them: the form's font and the list captions' font.
#pragma once

#include <QFont>

inline QFont FormFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(12);
    return font;
}

// A list's caption, bold while that list is the active one.
inline QFont CaptionFont(bool bold)
{
    QFont font = FormFont();
    font.setBold(bold);
    return font;
}
