// Per-user settings store. Every operation opens the store afresh, so
// nothing is cached between calls; a store that cannot be read gives empty
// values (and so the defaults), one that cannot be written is left as it is.
// A value is written only when it differs from the stored one, so a run
// that changes nothing leaves the settings file untouched.
#include "Settings.h"

#include "BandPlan.h"
#include "ChannelDocument.h"
#include "InputFile.h"
#include "RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <cstdio>
#include <memory>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

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

// Folder that holds the per-user settings of every organisation: the
// location of a store nobody uses, two levels up. Asking for it does not
// read our own files.
QString UserSettingsFolder()
{
    const QSettings probe(QStringLiteral("VXL-R381-settings-location"), QStringLiteral("probe"));
    return QFileInfo(QFileInfo(probe.fileName()).absolutePath()).absolutePath();
}

// Why a settings file may not be opened, or empty when it may. A missing
// file is fine (it is created when a value is stored); a link to a regular
// file is followed and that file read and updated; anything else (a FIFO,
// a device, a directory, a link to nothing) is never opened: reading could
// block or never end, and replacing it would destroy what the link points
// to.
QString SettingsFileRefusal(const QString &path)
{
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat link;
    if (::lstat(name.constData(), &link) != 0)
        return QString();
    struct stat target;
    if (::stat(name.constData(), &target) != 0)
        return QStringLiteral("a link to a missing file");
    if (S_ISREG(target.st_mode))
        return QString();
    return QStringLiteral("%1, not a regular file").arg(FileKindText(path));
#else
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return QString();
    return QStringLiteral("not a regular file");
#endif
}

// The store, or nullptr when one of the files it would read is unusable:
// the program then runs on its in-memory values. The reason goes to
// standard error once per run.
std::unique_ptr<QSettings> OpenStore()
{
    const QString folder = UserSettingsFolder();
    const QString files[] = {
        folder + QLatin1Char('/') + Organisation() + QLatin1Char('/') + Application()
            + QStringLiteral(".conf"),
        folder + QLatin1Char('/') + Organisation() + QStringLiteral(".conf"),
    };
    for (const QString &file : files) {
        const QString refusal = SettingsFileRefusal(file);
        if (refusal.isEmpty())
            continue;
        static bool told = false;
        if (!told) {
            told = true;
            std::fprintf(stderr,
                         "VXL-R381: settings file %s is %s; settings are neither read nor "
                         "stored in this run.\n",
                         QFile::encodeName(file).constData(), refusal.toLocal8Bit().constData());
            std::fflush(stderr);
        }
        return nullptr;
    }
    return std::make_unique<QSettings>(Organisation(), Application());
}

// A value as text. A hand-edited store can hold a list where a text is
// expected (a value with commas written without quotes); join it back.
QString ReadText(const QSettings *store, const QString &key)
{
    if (!store)
        return QString();
    const QVariant value = store->value(key);
    if (!value.isValid())
        return QString();
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

// Stores a value unless the store already holds that very text.
void WriteText(QSettings *store, const QString &key, const QString &text)
{
    if (!store)
        return;
    if (store->contains(key) && ReadText(store, key) == text
        && store->value(key).typeId() == QMetaType::QString)
        return;
    store->setValue(key, text);
}

void Sync(QSettings *store)
{
    if (store)
        store->sync();
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
    const std::unique_ptr<QSettings> store = OpenStore();
    TLoadedSettings loaded;

    loaded.path = ReadText(store.get(), QStringLiteral("Path"));
    if (loaded.path.isEmpty()) {
        loaded.path = WorkingFolder();
        WriteText(store.get(), QStringLiteral("Path"), loaded.path);
    }

    loaded.commPort = ReadText(store.get(), QStringLiteral("CommPort"));
    if (loaded.commPort.isEmpty()) {
        loaded.commPort = QStringLiteral("COM1");
        WriteText(store.get(), QStringLiteral("CommPort"), loaded.commPort);
    }

    QString type = ReadText(store.get(), QStringLiteral("Type"));
    if (type.isEmpty()) {
        type = QLatin1String(kDefaultRadioType);
        WriteText(store.get(), QStringLiteral("Type"), type);
    }
    // The document cuts an overlong type to its slot.
    doc.SetRadioType(type);

    for (int band = 0; band < kBandLimitSlots; ++band) {
        QString limit;
        if (BandPresent(doc, band)) {
            limit = ReadText(store.get(), LimitKey(band)).left(kBandLimitCapacity);
            if (limit.isEmpty())
                limit = DefaultBandLimit(band);
        }
        WriteText(store.get(), LimitKey(band), limit);
        doc.SetBandLimit(band, limit);
    }

    Sync(store.get());
    return loaded;
}

QString RememberFolder(const QString &filePath)
{
    if (filePath.isEmpty())
        return QString();
    QString folder = QDir::toNativeSeparators(QFileInfo(filePath).absolutePath());
    if (!folder.endsWith(QDir::separator()))
        folder.append(QDir::separator());

    const std::unique_ptr<QSettings> store = OpenStore();
    WriteText(store.get(), QStringLiteral("Path"), folder);
    Sync(store.get());
    return folder;
}

void SaveCommPort(const QString &port)
{
    const std::unique_ptr<QSettings> store = OpenStore();
    WriteText(store.get(), QStringLiteral("CommPort"), port);
    Sync(store.get());
}

void SaveRadioSettings(const TChannelDocument &doc)
{
    const std::unique_ptr<QSettings> store = OpenStore();
    WriteText(store.get(), QStringLiteral("Type"), doc.RadioType());
    for (int band = 0; band < kBandLimitSlots; ++band)
        WriteText(store.get(), LimitKey(band), doc.Record(rkBandLimit, band));
    Sync(store.get());
}

QString StoredCommDevice(int portNumber)
{
    const std::unique_ptr<QSettings> store = OpenStore();
    return ReadText(store.get(), QStringLiteral("Com%1Device").arg(portNumber));
}

QString StoredCommPort()
{
    const std::unique_ptr<QSettings> store = OpenStore();
    return ReadText(store.get(), QStringLiteral("CommPort"));
}

void SaveCommDevice(int portNumber, const QString &path)
{
    const std::unique_ptr<QSettings> store = OpenStore();
    if (!store)
        return;
    const QString key = QStringLiteral("Com%1Device").arg(portNumber);
    if (path.isEmpty())
        store->remove(key);
    else
        WriteText(store.get(), key, path);
    Sync(store.get());
}

QString CommDevicePath(const QString &name)
{
    for (int number = 1; number <= 4; ++number) {
        if (name != QStringLiteral("COM%1").arg(number))
            continue;
        const QByteArray variable = "VXL_R381_COM" + QByteArray::number(number);
        const QByteArray fromEnvironment = qgetenv(variable.constData());
        if (!fromEnvironment.isEmpty())
            return QString::fromLocal8Bit(fromEnvironment);
        const QString stored = StoredCommDevice(number);
        if (!stored.isEmpty())
            return stored;
        return QStringLiteral("/dev/ttyS%1").arg(number - 1);
    }
    return name;
}

QByteArray StoredTableGeometry()
{
    const std::unique_ptr<QSettings> store = OpenStore();
    return store ? store->value(QStringLiteral("TableGeometry")).toByteArray() : QByteArray();
}

QByteArray StoredTableColumns()
{
    const std::unique_ptr<QSettings> store = OpenStore();
    return store ? store->value(QStringLiteral("TableColumns")).toByteArray() : QByteArray();
}

void SaveTableLayout(const QByteArray &geometry, const QByteArray &columns)
{
    const std::unique_ptr<QSettings> store = OpenStore();
    if (!store)
        return;
    // Written only when they changed, like every other value.
    if (store->value(QStringLiteral("TableGeometry")).toByteArray() != geometry)
        store->setValue(QStringLiteral("TableGeometry"), geometry);
    if (store->value(QStringLiteral("TableColumns")).toByteArray() != columns)
        store->setValue(QStringLiteral("TableColumns"), columns);
    Sync(store.get());
}

QStringList StoredRecentFiles()
{
    const std::unique_ptr<QSettings> store = OpenStore();
    if (!store)
        return QStringList();
    // One file is stored as a plain text, several as a list.
    return CleanRecentFiles(store->value(QStringLiteral("RecentFiles")).toStringList());
}

void SaveRecentFiles(const QStringList &files)
{
    const std::unique_ptr<QSettings> store = OpenStore();
    if (!store)
        return;
    // Written only when it changed, like every other value.
    if (store->value(QStringLiteral("RecentFiles")).toStringList() == files && store->contains(QStringLiteral("RecentFiles")))
        return;
    store->setValue(QStringLiteral("RecentFiles"), files);
    Sync(store.get());
}
