// Helpers for tests that touch the settings store.
#pragma once

#include "data/Settings.h"

#include <QSettings>
#include <QString>
#include <QVariant>

// Removes every stored value, as on a fresh system.
inline void ClearStoredSettings()
{
    QSettings settings(QString::fromLatin1(kSettingsOrganisation), QString::fromLatin1(kSettingsApplication));
    settings.clear();
    settings.sync();
}

// Stores one value directly, as an earlier run (or the user) would have.
inline void SetStoredValue(const QString &key, const QVariant &value)
{
    QSettings settings(QString::fromLatin1(kSettingsOrganisation), QString::fromLatin1(kSettingsApplication));
    settings.setValue(key, value);
    settings.sync();
}

inline bool HasStoredValue(const QString &key)
{
    const QSettings settings(QString::fromLatin1(kSettingsOrganisation), QString::fromLatin1(kSettingsApplication));
    return settings.contains(key);
}

inline QString StoredValue(const QString &key)
{
    const QSettings settings(QString::fromLatin1(kSettingsOrganisation), QString::fromLatin1(kSettingsApplication));
    return settings.value(key).toString();
}

// File that holds the stored values.
inline QString StoredSettingsFile()
{
    const QSettings settings(QString::fromLatin1(kSettingsOrganisation), QString::fromLatin1(kSettingsApplication));
    return settings.fileName();
}
