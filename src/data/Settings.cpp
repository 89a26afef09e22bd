// Per-user settings store. Every operation opens the store afresh, so
// nothing is cached between calls; a store that cannot be read gives empty
// values (and so the defaults), one that cannot be written is left as it is.
#include "Settings.h"

#include "BandPlan.h"
#include "ChannelDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace {

constexpr int kMaxPathLength = 260;

QString Organisation()
{
    return QLatin1String(kSettingsOrganisation);
}

QString Application()
{
    return QLatin1String(kSettingsApplication);
}

// A value as text. A hand-edited store can hold a list where a text is
// expected (a value with commas written without quotes); join it back.
QString ReadText(const QSettings &store, const QString &key)
{
    const QVariant value = store.value(key);
    if (!value.isValid())
        return QString();
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void WriteText(QSettings &store, const QString &key, const QString &text)
{
    store.setValue(key, text);
}

QString LimitKey(int band)
{
    return QStringLiteral("Limit%1").arg(band);
}

// The working folder, at most 260 characters: a longer path is shortened
// to its deepest parent folder that fits, so the stored folder exists.
QString WorkingFolder()
{
    QString folder = QDir::toNativeSeparators(QDir::currentPath());
    while (folder.size() > kMaxPathLength) {
        const int cut = folder.lastIndexOf(QDir::separator(), kMaxPathLength);
        if (cut <= 0)
            return folder.left(kMaxPathLength);
        folder.truncate(cut);
    }
    return folder;
}

} // namespace

TLoadedSettings LoadSettings(TChannelDocument &doc)
{
    QSettings store(Organisation(), Application());
    TLoadedSettings loaded;

    loaded.path = ReadText(store, QStringLiteral("Path"));
    if (loaded.path.isEmpty()) {
        loaded.path = WorkingFolder();
        WriteText(store, QStringLiteral("Path"), loaded.path);
    }

    loaded.commPort = ReadText(store, QStringLiteral("CommPort"));
    if (loaded.commPort.isEmpty()) {
        loaded.commPort = QStringLiteral("COM1");
        WriteText(store, QStringLiteral("CommPort"), loaded.commPort);
    }

    QString type = ReadText(store, QStringLiteral("Type"));
    if (type.isEmpty()) {
        type = QLatin1String(kDefaultRadioType);
        WriteText(store, QStringLiteral("Type"), type);
    }
    // The document cuts an overlong type to its slot.
    doc.SetRadioType(type);

    for (int band = 0; band < kBandLimitSlots; ++band) {
        QString limit;
        if (BandPresent(doc, band)) {
            limit = ReadText(store, LimitKey(band)).left(kBandLimitCapacity);
            if (limit.isEmpty())
                limit = DefaultBandLimit(band);
        }
        WriteText(store, LimitKey(band), limit);
        doc.SetBandLimit(band, limit);
    }

    store.sync();
    return loaded;
}

QString RememberFolder(const QString &filePath)
{
    if (filePath.isEmpty())
        return QString();
    QString folder = QDir::toNativeSeparators(QFileInfo(filePath).absolutePath());
    if (!folder.endsWith(QDir::separator()))
        folder.append(QDir::separator());

    QSettings store(Organisation(), Application());
    WriteText(store, QStringLiteral("Path"), folder);
    store.sync();
    return folder;
}

void SaveCommPort(const QString &port)
{
    QSettings store(Organisation(), Application());
    WriteText(store, QStringLiteral("CommPort"), port);
    store.sync();
}

void SaveRadioSettings(const TChannelDocument &doc)
{
    QSettings store(Organisation(), Application());
    WriteText(store, QStringLiteral("Type"), doc.RadioType());
    for (int band = 0; band < kBandLimitSlots; ++band)
        WriteText(store, LimitKey(band), doc.Record(rkBandLimit, band));
    store.sync();
}

QString StoredCommDevice(int portNumber)
{
    const QSettings store(Organisation(), Application());
    return ReadText(store, QStringLiteral("Com%1Device").arg(portNumber));
}

QString StoredCommPort()
{
    const QSettings store(Organisation(), Application());
    return ReadText(store, QStringLiteral("CommPort"));
}
