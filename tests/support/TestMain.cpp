// Test entry: a headless application whose settings live in a temporary
// folder, never in the user's own configuration.
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
    if (!configDir.isValid())
        return 2;
    // Child processes (the command-line tool) find their settings here too.
    setenv("XDG_CONFIG_HOME", configDir.path().toLocal8Bit().constData(), 1);

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QLatin1String(kSettingsOrganisation));
    QCoreApplication::setApplicationName(QLatin1String(kSettingsApplication));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configDir.path());

    return RUN_ALL_TESTS();
}
