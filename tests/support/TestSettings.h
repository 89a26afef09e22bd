// Helpers for tests that touch the settings store.
#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

// Removes every stored value, as on a fresh system.
inline void ClearStoredSettings()
{
    QSettings settings(QStringLiteral("HALVORD"), QStringLiteral("VXL-R381"));
    settings.clear();
    settings.sync();
}

// Stores one value directly, as an earlier run (or the user) would have.
inline void SetStoredValue(const QString &key, const QVariant &value)
{
    QSettings settings(QStringLiteral("HALVORD"), QStringLiteral("VXL-R381"));
    settings.setValue(key, value);
    settings.sync();
}

inline bool HasStoredValue(const QString &key)
{
    const QSettings settings(QStringLiteral("HALVORD"), QStringLiteral("VXL-R381"));
    return settings.contains(key);
}

inline QString StoredValue(const QString &key)
{
    const QSettings settings(QStringLiteral("HALVORD"), QStringLiteral("VXL-R381"));
    return settings.value(key).toString();
}

// File that holds the stored values.
inline QString StoredSettingsFile()
{
    const QSettings settings(QStringLiteral("HALVORD"), QStringLiteral("VXL-R381"));
    return settings.fileName();
}
