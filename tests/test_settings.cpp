// Settings store: first start, stale values, the remembered folder, port and
// radio description, and a store that cannot be used.
#include "data/ChannelDocument.h"
#include "data/RecentFiles.h"
#include "data/Settings.h"
#include "support/TestSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { ClearStoredSettings(); }
    void TearDown() override { ClearStoredSettings(); }
};

// Restores the working folder when a test changes it.
struct WorkingFolderGuard {
    QString saved = QDir::currentPath();
    ~WorkingFolderGuard() { QDir::setCurrent(saved); }
};

} // namespace

TEST_F(SettingsTest, FirstStartCreatesEveryValue)
{
    TChannelDocument doc;
    const TLoadedSettings loaded = LoadSettings(doc);

    EXPECT_EQ(loaded.path, QDir::toNativeSeparators(QDir::currentPath()));
    EXPECT_EQ(loaded.commPort, "COM1");
    EXPECT_EQ(doc.RadioType(), "0,2,00,1,1,,");
    EXPECT_EQ(doc.Record(rkBandLimit, 0), "00118,00135");
    EXPECT_EQ(doc.Record(rkBandLimit, 1), "00136,00173");
    EXPECT_EQ(doc.Record(rkBandLimit, 2), "");
    EXPECT_EQ(doc.Record(rkBandLimit, 3), "00410,00469");
    EXPECT_EQ(doc.Record(rkBandLimit, 4), "");

    for (const char *key : {"Path", "CommPort", "Type", "Limit0", "Limit1", "Limit2", "Limit3", "Limit4"})
        EXPECT_TRUE(HasStoredValue(QLatin1String(key))) << key;
    EXPECT_EQ(StoredValue(QStringLiteral("Path")), loaded.path);
    EXPECT_EQ(StoredValue(QStringLiteral("CommPort")), "COM1");
    EXPECT_EQ(StoredValue(QStringLiteral("Type")), "0,2,00,1,1,,");
    EXPECT_EQ(StoredValue(QStringLiteral("Limit0")), "00118,00135");
    EXPECT_EQ(StoredValue(QStringLiteral("Limit2")), "");
    EXPECT_EQ(StoredValue(QStringLiteral("Limit4")), "");

    // The type with its commas reads back whole on the next start.
    TChannelDocument again;
    LoadSettings(again);
    EXPECT_EQ(again.RadioType(), "0,2,00,1,1,,");
    EXPECT_EQ(again.Record(rkBandLimit, 0), "00118,00135");
}

TEST_F(SettingsTest, StoredValuesAreUsedAndStaleLimitsOfAbsentBandsDropped)
{
    SetStoredValue(QStringLiteral("Path"), QStringLiteral("/data/radio/"));
    SetStoredValue(QStringLiteral("CommPort"), QStringLiteral("COM2"));
    SetStoredValue(QStringLiteral("Type"), QStringLiteral("0,1,00,1,,1,"));
    SetStoredValue(QStringLiteral("Limit0"), QStringLiteral("00108,00135"));
    SetStoredValue(QStringLiteral("Limit1"), QStringLiteral("00144,00148"));
    SetStoredValue(QStringLiteral("Limit2"), QStringLiteral(""));
    SetStoredValue(QStringLiteral("Limit4"), QStringLiteral("00800,00900"));

    TChannelDocument doc;
    const TLoadedSettings loaded = LoadSettings(doc);
    EXPECT_EQ(loaded.path, "/data/radio/");
    EXPECT_EQ(loaded.commPort, "COM2");
    EXPECT_EQ(doc.RadioType(), "0,1,00,1,,1,");
    // No air band in this type: the stored limit is neither used nor kept.
    EXPECT_EQ(doc.Record(rkBandLimit, 0), "");
    EXPECT_EQ(StoredValue(QStringLiteral("Limit0")), "");
    EXPECT_EQ(doc.Record(rkBandLimit, 1), "00144,00148");
    // The 300 MHz band exists, its empty limit takes the default.
    EXPECT_EQ(doc.Record(rkBandLimit, 2), "00300,00399");
    EXPECT_EQ(StoredValue(QStringLiteral("Limit2")), "00300,00399");
    EXPECT_EQ(doc.Record(rkBandLimit, 3), "00410,00469");
    EXPECT_EQ(doc.Record(rkBandLimit, 4), "");
    EXPECT_EQ(StoredValue(QStringLiteral("Limit4")), "");
}

TEST_F(SettingsTest, OverlongStoredValuesAreCutToTheirSlots)
{
    SetStoredValue(QStringLiteral("Type"), QStringLiteral("0,2,00,1,1,1,1,EXTRA,FIELDS,MORE"));
    SetStoredValue(QStringLiteral("Limit1"), QStringLiteral("00136,00173,00999,00999"));
    SetStoredValue(QStringLiteral("Limit4"), QString(500, QLatin1Char('9')));

    TChannelDocument doc;
    LoadSettings(doc);
    EXPECT_EQ(doc.RadioType(), "0,2,00,1,1,1,1,EXTR");
    EXPECT_EQ(doc.Record(rkBandLimit, 1), "00136,00173,00");
    EXPECT_EQ(doc.Record(rkBandLimit, 4), QString(14, QLatin1Char('9')));
    EXPECT_EQ(doc.Record(rkBandLimit, 2), "00300,00399");
}

TEST_F(SettingsTest, HandWrittenListValuesReadAsText)
{
    // Written by hand without quotes, the comma-separated type is a list.
    {
        QFile file(StoredSettingsFile());
        QDir().mkpath(QFileInfo(file).absolutePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[General]\nType=0,3,05,1,1,1,2\nLimit1=00140,00150\nCommPort=COM2\n");
    }
    TChannelDocument doc;
    const TLoadedSettings loaded = LoadSettings(doc);
    EXPECT_EQ(doc.RadioType(), "0,3,05,1,1,1,2");
    EXPECT_EQ(doc.Record(rkBandLimit, 1), "00140,00150");
    EXPECT_EQ(doc.Record(rkBandLimit, 4), "00800,00999");
    EXPECT_EQ(loaded.commPort, "COM2");
}

TEST_F(SettingsTest, RememberFolderStoresTheFolderWithSeparator)
{
    const QString sep = QDir::separator();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("radio.381"));
    const QString expected = QDir::toNativeSeparators(dir.path()) + sep;
    EXPECT_EQ(RememberFolder(file), expected);
    EXPECT_EQ(StoredValue(QStringLiteral("Path")), expected);

    // The next start offers that folder.
    TChannelDocument doc;
    EXPECT_EQ(LoadSettings(doc).path, expected);

    // The root folder keeps its single separator.
    EXPECT_EQ(RememberFolder(QDir::rootPath() + QStringLiteral("x.381")),
              QDir::toNativeSeparators(QDir::rootPath()));
}

TEST_F(SettingsTest, LongWorkingFolderIsShortenedToAFolderThatExists)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString deep = dir.path();
    while (deep.size() < 400)
        deep += QStringLiteral("/a_rather_long_folder_name");
    ASSERT_TRUE(QDir().mkpath(deep));
    WorkingFolderGuard guard;
    ASSERT_TRUE(QDir::setCurrent(deep));

    TChannelDocument doc;
    const QString path = LoadSettings(doc).path;
    EXPECT_LE(path.size(), 260);
    EXPECT_TRUE(QFileInfo(path).isDir()) << path.toStdString();
    EXPECT_TRUE(QDir::toNativeSeparators(deep).startsWith(path));
}

TEST_F(SettingsTest, PortAndRadioDescriptionAreStored)
{
    SaveCommPort(QStringLiteral("COM2"));
    EXPECT_EQ(StoredCommPort(), "COM2");
    TChannelDocument doc;
    EXPECT_EQ(LoadSettings(doc).commPort, "COM2");

    // A radio read stores type and every limit, empty ones included.
    TChannelDocument radio;
    radio.SetRadioType(QStringLiteral("0,2,00,1,,1,2"));
    radio.ParseBandLimits(QStringLiteral("00136,00174,00300,00380,00420,00450,00806,00960"));
    SaveRadioSettings(radio);
    EXPECT_EQ(StoredValue(QStringLiteral("Type")), "0,2,00,1,,1,2");
    EXPECT_EQ(StoredValue(QStringLiteral("Limit0")), "");
    EXPECT_EQ(StoredValue(QStringLiteral("Limit4")), "00806,00960");

    TChannelDocument next;
    LoadSettings(next);
    EXPECT_EQ(next.RadioType(), "0,2,00,1,,1,2");
    EXPECT_EQ(next.Record(rkBandLimit, 0), "");
    EXPECT_EQ(next.Record(rkBandLimit, 1), "00136,00174");
    EXPECT_EQ(next.Record(rkBandLimit, 2), "00300,00380");
    EXPECT_EQ(next.Record(rkBandLimit, 3), "00420,00450");
    EXPECT_EQ(next.Record(rkBandLimit, 4), "00806,00960");
}

TEST_F(SettingsTest, ReadsAreFreshAndDeviceOverridesAreNotCreated)
{
    EXPECT_EQ(StoredCommPort(), "");
    EXPECT_EQ(StoredCommDevice(1), "");
    EXPECT_FALSE(HasStoredValue(QStringLiteral("Com1Device")));

    // Values changed behind the program's back are seen at the next call.
    SetStoredValue(QStringLiteral("Com2Device"), QStringLiteral("/dev/ttyUSB3"));
    SetStoredValue(QStringLiteral("CommPort"), QStringLiteral("COM2"));
    EXPECT_EQ(StoredCommDevice(2), "/dev/ttyUSB3");
    EXPECT_EQ(StoredCommPort(), "COM2");
    SetStoredValue(QStringLiteral("CommPort"), QStringLiteral("COM1"));
    EXPECT_EQ(StoredCommPort(), "COM1");
}

TEST_F(SettingsTest, UnusableStoreLeavesTheDefaultsInPlace)
{
    // A folder where the settings file should be: nothing can be read or
    // written, and the program goes on with its defaults.
    const QString file = StoredSettingsFile();
    QFile::remove(file);
    ASSERT_TRUE(QDir().mkpath(file));

    TChannelDocument doc;
    const TLoadedSettings loaded = LoadSettings(doc);
    EXPECT_EQ(loaded.commPort, "COM1");
    EXPECT_EQ(doc.RadioType(), "0,2,00,1,1,,");
    EXPECT_EQ(doc.Record(rkBandLimit, 1), "00136,00173");
    SaveCommPort(QStringLiteral("COM2"));
    SaveRadioSettings(doc);
    EXPECT_FALSE(RememberFolder(QStringLiteral("/tmp/x.381")).isEmpty());

    ASSERT_TRUE(QDir(file).removeRecursively());
}

// File > Recent Files: newest first, each file once (also through a link
// or another spelling of its folder), at most eight, kept between runs.
TEST_F(SettingsTest, RecentFilesAreNewestFirstEachOnceAtMostEightAndStored)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto file = [&](const QString &name) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return QDir::toNativeSeparators(dir.filePath(name));
    };
    const QString a = file(QStringLiteral("a.381")), b = file(QStringLiteral("b.381"));
    ASSERT_TRUE(QFile::link(a, dir.filePath(QStringLiteral("link.381"))));
    QDir(dir.path()).mkdir(QStringLiteral("sub"));

    struct Case {
        const char *what;
        QStringList before;
        QString added;
        QStringList after;
    } cases[] = {
        {"first file", {}, a, {a}},
        {"a new file goes first", {a}, b, {b, a}},
        {"a known file moves to the front", {a, b}, b, {b, a}},
        {"the same file through a link counts once", {b, a}, dir.filePath(QStringLiteral("link.381")),
         {QDir::toNativeSeparators(dir.filePath(QStringLiteral("link.381"))), b}},
        {"the same file by another spelling counts once", {b, a}, dir.filePath(QStringLiteral("sub/../a.381")), {a, b}},
        {"an empty name changes nothing", {a}, QString(), {a}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(AddRecentFile(c.before, c.added), c.after);
    }

    // Eight at most: the oldest goes.
    QStringList list;
    for (int i = 1; i <= 10; ++i)
        list = AddRecentFile(list, dir.filePath(QStringLiteral("f%1.381").arg(i)));
    ASSERT_EQ(list.size(), 8);
    EXPECT_TRUE(list.first().endsWith(QStringLiteral("f10.381")));
    EXPECT_TRUE(list.last().endsWith(QStringLiteral("f3.381")));
    EXPECT_EQ(RemoveRecentFile(list, dir.filePath(QStringLiteral("f10.381"))).first(), list[1]);

    // Kept between runs; a hand-edited list is cleaned of blanks and repeats.
    EXPECT_TRUE(StoredRecentFiles().isEmpty());
    SaveRecentFiles({b, a});
    EXPECT_EQ(StoredRecentFiles(), (QStringList{b, a}));
    SetStoredValue(QStringLiteral("RecentFiles"), QStringList{a, QString(), a, b});
    EXPECT_EQ(StoredRecentFiles(), (QStringList{a, b}));
}
