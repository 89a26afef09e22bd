// Helpers for tests that touch the settings store.
#pragma once

#include <QSettings>

// Removes every stored value, as on a fresh system.
inline void ClearStoredSettings()
{
    QSettings settings(QStringLiteral("HALVORD"), QStringLiteral("VXL-R381"));
    settings.clear();
    settings.sync();
}
