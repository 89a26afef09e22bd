// Per-user settings store (QSettings "HALVORD" / "VXL-R381").
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class TChannelDocument;

// Organisation and application name of the settings store; the programs
// also give them to QCoreApplication.
inline const char *const kSettingsOrganisation = "HALVORD";
inline const char *const kSettingsApplication = "VXL-R381";

struct TLoadedSettings {
    QString path;     // folder for the file dialogs
    QString commPort; // "COM1" / "COM2" (as stored)
};

// Reads (and creates) the stored values; puts radio type and band limits
// into the document.
TLoadedSettings LoadSettings(TChannelDocument &doc);
// Stores the folder of filePath (with a trailing separator) as "Path" and returns it.
QString RememberFolder(const QString &filePath);
void SaveCommPort(const QString &port);
// Stores "Type" and "Limit0".."Limit4" from the document.
void SaveRadioSettings(const TChannelDocument &doc);
// Stored device override "Com1Device".."Com4Device" (empty when none).
QString StoredCommDevice(int portNumber);
// Stores the device for "COMn" (portNumber 1..4); an empty path removes it.
void SaveCommDevice(int portNumber, const QString &path);
// Device path of "COM1".."COM4": the environment VXL_R381_COMn, else the
// stored "ComnDevice", else /dev/ttyS(n-1). Any other name is a device path
// as it stands.
QString CommDevicePath(const QString &name);
QString StoredCommPort();

// Recently used data files, newest first (see RecentFiles.h); empty when
// none is stored.
QStringList StoredRecentFiles();
void SaveRecentFiles(const QStringList &files);

// Channel table window: its geometry and its column layout (widths, order,
// sort column) as the window saved them; empty when none is stored.
QByteArray StoredTableGeometry();
QByteArray StoredTableColumns();
void SaveTableLayout(const QByteArray &geometry, const QByteArray &columns);
