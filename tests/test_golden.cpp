// Byte-for-byte checks against checked-in files: the data file written for
// a document, the command lines a complete write and read exchange with the
// radio, and the command-line listing. Any change in how records are built
// or sent shows up here.
//
// The files in tests/golden were produced by this test with the variable
// VXL_UPDATE_GOLDEN=1 set, which writes them instead of comparing.
#include "data/ChannelDocument.h"
#include "data/DataFile.h"
#include "radio/ReadTransfer.h"
#include "radio/WriteTransfer.h"
#include "support/Pty.h"
#include "support/RadioImage.h"
#include "support/SimFixture.h"
#include "support/TestSettings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

#ifdef VXL_CLI_PATH
const QString kCli = QStringLiteral(VXL_CLI_PATH);
#else
const QString kCli;
#endif

QString GoldenPath(const QString &name)
{
    return QStringLiteral(VXL_GOLDEN_DIR) + QLatin1Char('/') + name;
}

// Compares actual with the golden file name, or writes it when asked to.
void ExpectGolden(const QString &name, const QByteArray &actual)
{
    const QString path = GoldenPath(name);
    if (qEnvironmentVariableIsSet("VXL_UPDATE_GOLDEN")) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        ASSERT_EQ(out.write(actual), actual.size());
        return;
    }
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray expected = in.readAll();
    if (expected == actual)
        return;
    // Point at the first differing line for a readable failure.
    const QList<QByteArray> want = expected.split('\n');
    const QList<QByteArray> got = actual.split('\n');
    for (int i = 0; i < qMax(want.size(), got.size()); ++i) {
        if (want.value(i) != got.value(i)) {
            ADD_FAILURE() << name.toStdString() << " line " << i + 1 << ": expected \""
                          << want.value(i).toStdString() << "\", got \"" << got.value(i).toStdString() << '"';
            return;
        }
    }
    ADD_FAILURE() << name.toStdString() << " differs";
}

QByteArray Lines(const QStringList &lines)
{
    QByteArray text;
    for (const QString &line : lines)
        text += line.toLatin1() + '\n';
    return text;
}

const QString kComment = QStringLiteral("Club net, Sunday 09:00 \xC4\xD6 #1");

// A radio after its defaults plus a few scattered records: an unnamed
// slot 1, an L/U slot, PR without a name, only the UHF CALL channel, no
// VFO and DTMF memories with and without codes.
TChannelDocument SparseDocument()
{
    TChannelDocument doc;
    doc.ResetDocument();
    doc.SetMemoryRecord(1, QStringLiteral("001,00145000000,5,0,0,0,0,,09,,09,,0,,,,,"));
    doc.SetMemoryRecord(17, PopulatedMemoryRecord(17));
    doc.SetMemoryRecord(182, PopulatedMemoryRecord(182));
    doc.SetMemoryRecord(193, QStringLiteral("PR,00433000000,5,0,0,0,0,,09,,09,,,,,,,"));
    doc.SetCallRecord(0, QString());
    doc.SetCallRecord(1, QStringLiteral("1,00433000000,6,0,0,0,1,,09,,21,,,,00438000000,6,,"));
    for (int band = 0; band < kVfoSlots; ++band)
        doc.SetVfoRecord(band, QString());
    doc.SetDtmfRecord(0, QStringLiteral("00,1*#"));
    doc.SetDtmfRecord(3, QStringLiteral("03,"));
    return doc;
}

// Tells when a transfer ends.
class Host : public TTransferHost {
public:
    TChannelDocument doc;
    bool finished = false;
    TTransferOutcome outcome = TTransferOutcome::Cancelled;
    std::function<void()> onEnd;

    TChannelDocument &TransferDocument() override { return doc; }
    void TransferProgress(int) override {}
    void TransferMessage(const QString &) override {}
    void TransferCommError(const QString &) override
    {
        if (onEnd)
            onEnd();
    }
    void TransferEnable(bool) override {}
    void TransferRefresh() override {}
    void TransferFinished(TTransferOutcome result) override
    {
        finished = true;
        outcome = result;
        if (onEnd)
            onEnd();
    }

    bool Wait()
    {
        if (!finished) {
            QEventLoop loop;
            onEnd = [&] { loop.quit(); };
            QTimer::singleShot(60000, &loop, &QEventLoop::quit);
            loop.exec();
            onEnd = nullptr;
        }
        return finished;
    }
};

class GoldenTest : public ::testing::Test {
protected:
    void SetUp() override { ClearStoredSettings(); }

    void StartSim(const TChannelDocument *image)
    {
        QStringList options;
        if (image)
            options << QStringLiteral("--image") << sim.WriteFile(QStringLiteral("image.381"), WriteDataFile(*image, QString()));
        options << QStringLiteral("--type") << QLatin1String(kAllBandsType) << QStringLiteral("--limits")
                << QLatin1String(kAllBandsLimits);
        ASSERT_TRUE(sim.Start(options)) << sim.ErrorString().toStdString();
        device = std::make_unique<ScopedCommDevice>(1, sim.DevicePath());
    }

    void Write(const TChannelDocument &doc, const QString &golden)
    {
        StartSim(nullptr);
        Host host;
        host.doc = doc;
        TWriteTransfer write(host);
        ASSERT_TRUE(write.Start(QStringLiteral("COM1")));
        ASSERT_TRUE(host.Wait());
        EXPECT_EQ(host.outcome, TTransferOutcome::Completed);
        ASSERT_EQ(sim.Stop(), 0);
        ExpectGolden(golden, Lines(sim.CommandLog()));
    }

    SimFixture sim;
    std::unique_ptr<ScopedCommDevice> device;
};

} // namespace

TEST_F(GoldenTest, DataFilesAreWrittenByteForByte)
{
    ExpectGolden(QStringLiteral("populated.381"), WriteDataFile(PopulatedDocument(), kComment));
    ExpectGolden(QStringLiteral("sparse.381"), WriteDataFile(SparseDocument(), QString()));
}

TEST_F(GoldenTest, CompleteWriteOfAFullRadioSendsTheSameCommands)
{
    Write(PopulatedDocument(), QStringLiteral("write_populated.log"));
}

TEST_F(GoldenTest, CompleteWriteOfASparseRadioSendsTheSameCommands)
{
    Write(SparseDocument(), QStringLiteral("write_sparse.log"));
}

TEST_F(GoldenTest, ReadOfAFullRadioSendsTheSameCommandsAndStoresTheSameFile)
{
    const TChannelDocument radio = PopulatedDocument();
    StartSim(&radio);
    Host host;
    TReadTransfer read(host);
    ASSERT_TRUE(read.Start(QStringLiteral("COM1")));
    ASSERT_TRUE(host.Wait());
    EXPECT_EQ(host.outcome, TTransferOutcome::Completed);
    ASSERT_EQ(sim.Stop(), 0);
    ExpectGolden(QStringLiteral("read_populated.log"), Lines(sim.CommandLog()));
    ExpectGolden(QStringLiteral("read_populated.381"), WriteDataFile(host.doc, QString()));
}

TEST_F(GoldenTest, CommandLineListingPrintsTheSameText)
{
    ASSERT_FALSE(kCli.isEmpty());
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        const char *type;
        TChannelDocument doc;
        QString comment;
        const char *golden;
    } cases[] = {
        {kAllBandsType, PopulatedDocument(), kComment, "listing_populated.txt"},
        // The variant code "1" labels the UHF band "430MHz".
        {"0,1,00,1,1,1,1", PopulatedDocument(), kComment, "listing_variant1.txt"},
        {"0,2,00,1,1,,", SparseDocument(), QString(), "listing_sparse.txt"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.golden);
        SetStoredValue(QStringLiteral("Type"), QLatin1String(c.type));
        const QString path = dir.filePath(QStringLiteral("in.381"));
        ASSERT_TRUE(SaveFileAtomically(path, WriteDataFile(c.doc, c.comment)));
        QProcess process;
        process.start(kCli, {QStringLiteral("list"), path});
        process.closeWriteChannel();
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0);
        ExpectGolden(QLatin1String(c.golden), process.readAllStandardOutput());
    }
}
