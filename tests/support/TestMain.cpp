// Test entry: a headless application whose settings and data (backups)
// live in temporary folders, never in the user's own configuration.
#include "data/Settings.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdlib>

int main(int argc, char **argv)
{
    ::testing::InitGoogleMock(&argc, argv);
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);

    QTemporaryDir configDir;
    QTemporaryDir dataDir;
    if (!configDir.isValid() || !dataDir.isValid())
        return 2;
    // Child processes (the command-line tool) find their settings here too.
    setenv("XDG_CONFIG_HOME", configDir.path().toLocal8Bit().constData(), 1);
    // The data folder (backups of radio transfers) is a temporary one too.
    setenv("XDG_DATA_HOME", dataDir.path().toLocal8Bit().constData(), 1);

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QLatin1String(kSettingsOrganisation));
    QCoreApplication::setApplicationName(QLatin1String(kSettingsApplication));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configDir.path());

    return RUN_ALL_TESTS();
}
