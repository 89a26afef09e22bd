// The program's own pictures, drawn at run time: the program icon, the
// splash banner and the tool button pictures.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Program icon (16, 24, 32, 48 and 64 pixels).
QIcon ProgramIcon();
// Splash banner, 283 x 50 pixels.
QPixmap BannerPixmap();
// Tool button picture by name: "new", "open", "save", "print", "read",
// "write", "cut", "copy", "paste". The disabled state is derived by the icon.
QIcon ToolIcon(const QString &name);
