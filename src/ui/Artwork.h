// The program's own pictures: the program icon and the tool button pictures
// come from the resources (the PNG files that are also installed as the
// desktop icon, rendered from data/icons/*.svg); the splash banner is drawn
// at run time.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Program icon (16, 24, 32, 48, 64, 128 and 256 pixels).
QIcon ProgramIcon();
// Splash banner, 283 x 50 pixels.
QPixmap BannerPixmap();
// Tool button picture by name: "new", "open", "save", "print", "read",
// "write", "cut", "copy", "paste". The disabled state is derived by the icon.
QIcon ToolIcon(const QString &name);
