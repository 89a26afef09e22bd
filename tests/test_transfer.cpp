// The read and write transfer engines with the real serial component
// against the radio simulator on a pseudo-terminal.
#include "data/Settings.h"
#include "data/ChannelDocument.h"
#include "data/DataFile.h"
#include "data/BandPlan.h"
#include "radio/RadioFinder.h"
#include "radio/ReadTransfer.h"
#include "radio/TransferStatus.h"
#include "radio/WriteTransfer.h"
#include "support/CliRun.h"
#include "support/Pty.h"
#include "support/RadioImage.h"
#include "support/SimFixture.h"
#include "support/TestSettings.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <signal.h>
#include <functional>
#include <mutex>
#include <thread>
#include <ostream>
#include <memory>

// Readable failure output for Qt strings.
static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

const QString kTimeout = QStringLiteral("Communication timeout error.");
const QString kWrongRadio = QStringLiteral("Invalid the radio.\nPlease check and try again.");
const QString kInvalidPort = QStringLiteral("Invalid COM port.\nPlease check and try again.");
const QString kNothingChanged = QStringLiteral("\nNothing was changed.");

// Records everything an engine tells its surroundings.
class RecordingHost : public TTransferHost {
public:
    TChannelDocument doc;
    QStringList messages;
    QStringList commErrors;
    QList<bool> enables;
    int refreshes = 0;
    QList<TTransferOutcome> finishes;
    int progress = -1;
    int maxProgress = 0;
    int progressCalls = 0;
    std::function<void(int)> onProgress;
    std::function<void()> onEnd; // a finish or a serial error

    TChannelDocument &TransferDocument() override { return doc; }
    void TransferProgress(int position) override
    {
        progress = position;
        maxProgress = qMax(maxProgress, position);
        ++progressCalls;
        if (onProgress)
            onProgress(position);
    }
    void TransferMessage(const QString &text) override { messages << text; }
    void TransferCommError(const QString &text) override
    {
        commErrors << text;
        if (onEnd)
            onEnd();
    }
    void TransferEnable(bool enabled) override { enables << enabled; }
    void TransferRefresh() override { ++refreshes; }
    void TransferFinished(TTransferOutcome outcome) override
    {
        finishes << outcome;
        if (onEnd)
            onEnd();
    }
};

QString StoredType()
{
    return QSettings(QString::fromLatin1(kSettingsOrganisation), QString::fromLatin1(kSettingsApplication)).value(QStringLiteral("Type")).toString();
}

// One simulator and one engine of each kind, the simulator reached as COM1.
class TransferTest : public ::testing::Test {
protected:
    void SetUp() override { ClearStoredSettings(); }

    // Starts the simulator holding image (empty: an empty radio).
    void StartSim(const TChannelDocument *image, QStringList options = {})
    {
        if (image) {
            const QString path = sim.WriteFile(QStringLiteral("image.381"), WriteDataFile(*image, QString()));
            ASSERT_FALSE(path.isEmpty());
            options << QStringLiteral("--image") << path;
        }
        options << QStringLiteral("--type") << QLatin1String(kAllBandsType)
                << QStringLiteral("--limits") << QLatin1String(kAllBandsLimits);
        ASSERT_TRUE(sim.Start(options)) << sim.ErrorString().toStdString();
        device = std::make_unique<ScopedCommDevice>(1, sim.DevicePath());
    }

    // Runs the event loop until the engine reports its end (or the wait
    // runs out); with stopOnCommError also until a serial error.
    static bool WaitForEnd(RecordingHost &host, int timeoutMs = 60000, bool stopOnCommError = false)
    {
        auto done = [&] { return !host.finishes.isEmpty() || (stopOnCommError && !host.commErrors.isEmpty()); };
        if (!done()) {
            QEventLoop loop;
            host.onEnd = [&] {
                if (done())
                    loop.quit();
            };
            QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
            loop.exec();
            host.onEnd = nullptr;
        }
        return done();
    }

    // Loads what the simulator holds after it stopped.
    TChannelDocument SavedDocument()
    {
        TChannelDocument saved;
        QString comment;
        ReadDataFile(sim.SavedImage(), saved, &comment);
        return saved;
    }

    SimFixture sim;
    std::unique_ptr<ScopedCommDevice> device;
};

QStringList ExpectedReadCommands(const TChannelDocument &radio)
{
    QStringList lines{QString(), QStringLiteral("AI 0"), QStringLiteral("ID"), QStringLiteral("TYD"),
                      QStringLiteral("FL")};
    for (int slot = 1; slot <= 180; ++slot) {
        const QString n = Digits(slot, 3);
        lines << QStringLiteral("MR 0,0,") + n;
        if (!radio.Record(rkMemory, slot).isEmpty())
            lines << QStringLiteral("MR 0,1,") + n << QStringLiteral("MNA 0,") + n;
    }
    for (int slot = 181; slot <= 192; ++slot)
        lines << QStringLiteral("MR 0,0,") + MemorySlotLabel(slot);
    lines << QStringLiteral("MR 0,0,PR");
    if (!radio.Record(rkMemory, 193).isEmpty())
        lines << QStringLiteral("MNA 0,PR");
    lines << QStringLiteral("CR 0,0") << QStringLiteral("CR 0,1") << QStringLiteral("CR 1,0")
          << QStringLiteral("CR 1,1") << QStringLiteral("VR 1") << QStringLiteral("VR 2") << QStringLiteral("PC 0")
          << QStringLiteral("VR 5") << QStringLiteral("VR 6") << QStringLiteral("PC 1") << QStringLiteral("VR 8");
    for (int n = 0; n < 10; ++n)
        lines << QStringLiteral("DM 0%1").arg(n);
    return lines;
}

} // namespace

TEST_F(TransferTest, ReadOfPopulatedRadioEqualsItsMemory)
{
    const TChannelDocument radio = PopulatedDocument();
    StartSim(&radio);
    RecordingHost host;
    TReadTransfer read(host);
    ASSERT_TRUE(read.Start(QStringLiteral("COM1")));
    ASSERT_TRUE(WaitForEnd(host));

    EXPECT_EQ(host.finishes, QList<TTransferOutcome>{TTransferOutcome::Completed});
    EXPECT_TRUE(host.messages.isEmpty()) << host.messages.join('|').toStdString();
    EXPECT_TRUE(host.commErrors.isEmpty());
    QString difference;
    EXPECT_TRUE(SameChannels(host.doc, radio, &difference)) << difference.toStdString();
    EXPECT_EQ(host.doc.RadioType(), kAllBandsType);
    EXPECT_EQ(host.doc.Record(rkBandLimit, 2), "00300,00399");
    EXPECT_EQ(host.doc.Record(rkBandLimit, 4), "00800,00999");
    // A complete read ends exactly at the bar's maximum.
    EXPECT_EQ(host.progress, TReadTransfer::kProgressMax);
    EXPECT_EQ(host.maxProgress, TReadTransfer::kProgressMax);
    EXPECT_EQ(host.refreshes, 1);
    EXPECT_EQ(StoredType(), kAllBandsType);
    EXPECT_FALSE(read.PortOpen());
    EXPECT_EQ(read.TransferState(), TTransferEngine::State::Idle);

    ASSERT_EQ(sim.Stop(), 0);
    EXPECT_EQ(sim.CommandLog(), ExpectedReadCommands(radio));
}

TEST_F(TransferTest, ReadOfSparseRadioKeepsDefaultsWhereTheRadioIsEmpty)
{
    // An empty radio but for slot 2 (without a name), an L/U slot and one
    // CALL channel; bands 0, 2 and 4 have no VFO.
    TChannelDocument radio;
    radio.SetMemoryRecord(2, QStringLiteral("002,00145500000,5,0,0,0,0,,09,,09,,0,,,,,"));
    radio.SetMemoryRecord(184, PopulatedMemoryRecord(184));
    radio.SetCallRecord(0, QStringLiteral("0,00145000000,5,0,0,0,0,,09,,09,,,,,,,"));
    radio.SetVfoRecord(1, QStringLiteral("2,00145500000,5,1,0,1,0,,14,,09,000600000,,,,,1,"));
    StartSim(&radio);

    RecordingHost host;
    TReadTransfer read(host);
    host.doc.SetRadioType(QLatin1String(kAllBandsType));
    host.doc.ParseBandLimits(QLatin1String(kAllBandsLimits));
    TChannelDocument defaults = host.doc;
    defaults.ResetDocument();
    host.doc.SetMemoryRecord(50, QStringLiteral("old data that the read must drop"));
    ASSERT_TRUE(read.Start(QStringLiteral("COM1")));
    ASSERT_TRUE(WaitForEnd(host));
    ASSERT_EQ(host.finishes.value(0), TTransferOutcome::Completed);

    // Empty slots are empty, slot 1 too: the radio has no channel there.
    EXPECT_TRUE(host.doc.Record(rkMemory, 1).isEmpty());
    EXPECT_TRUE(host.doc.Record(rkMemory, 50).isEmpty());
    EXPECT_TRUE(host.doc.Record(rkMemory, 193).isEmpty());
    // The name reply of seven blanks leaves the record ending in its comma.
    EXPECT_EQ(host.doc.Record(rkMemory, 2), radio.Record(rkMemory, 2));
    EXPECT_EQ(host.doc.Record(rkMemory, 184), radio.Record(rkMemory, 184));
    // Missing VFOs of bands 0, 2, 4 keep their defaults; 1 and 3 and both
    // CALL channels are always overwritten.
    for (int band : {0, 2, 4})
        EXPECT_EQ(host.doc.Record(rkVfo, band), defaults.Record(rkVfo, band)) << band;
    EXPECT_EQ(host.doc.Record(rkVfo, 1), radio.Record(rkVfo, 1));
    EXPECT_EQ(host.doc.Record(rkVfo, 3), "6,,,,,,");
    EXPECT_EQ(host.doc.Record(rkCall, 1), "1,,,,,,,");
    // Empty DTMF memories are stored as their number and comma.
    EXPECT_EQ(host.doc.Record(rkDtmf, 7), "07,");
    EXPECT_EQ(host.progress, TReadTransfer::kProgressMax);
}

TEST_F(TransferTest, WriteSendsTheCompleteDocumentInOrder)
{
    StartSim(nullptr);
    RecordingHost host;
    host.doc = PopulatedDocument();
    TWriteTransfer write(host);
    ASSERT_TRUE(write.Start(QStringLiteral("COM1")));
    ASSERT_TRUE(WaitForEnd(host));

    EXPECT_EQ(host.finishes, QList<TTransferOutcome>{TTransferOutcome::Completed});
    EXPECT_TRUE(host.messages.isEmpty()) << host.messages.join('|').toStdString();
    EXPECT_EQ(host.refreshes, 0);
    EXPECT_FALSE(write.PortOpen());
    ASSERT_EQ(sim.Stop(), 0);
    EXPECT_EQ(sim.CommandLog(), ExpectedWriteCommands(host.doc));

    const TChannelDocument saved = SavedDocument();
    QString difference;
    EXPECT_TRUE(SameChannels(saved, host.doc, &difference)) << difference.toStdString();
}

TEST_F(TransferTest, WriteThenReadGivesBackTheSameDocument)
{
    StartSim(nullptr);
    const TChannelDocument original = PopulatedDocument();
    {
        RecordingHost host;
        host.doc = original;
        TWriteTransfer write(host);
        ASSERT_TRUE(write.Start(QStringLiteral("COM1")));
        ASSERT_TRUE(WaitForEnd(host));
        ASSERT_EQ(host.finishes.value(0), TTransferOutcome::Completed);
    }
    RecordingHost host;
    TReadTransfer read(host);
    ASSERT_TRUE(read.Start(QStringLiteral("COM1")));
    ASSERT_TRUE(WaitForEnd(host));
    ASSERT_EQ(host.finishes.value(0), TTransferOutcome::Completed);
    QString difference;
    EXPECT_TRUE(SameChannels(host.doc, original, &difference)) << difference.toStdString();
}

TEST_F(TransferTest, WriteClearsEmptySlotsAndSkipsWhatIsMissing)
{
    StartSim(nullptr);
    RecordingHost host;
    TChannelDocument &doc = host.doc;
    // Only a few records: slot 1 with an empty name, slot 16 empty, an L/U
    // slot, PR without a name, no CALL 0, no VFOs at all, DTMF codes with
    // "*" and "#" and empty ones.
    doc.SetMemoryRecord(1, QStringLiteral("001,00145000000,5,0,0,0,0,,09,,09,,0,,,,,"));
    doc.SetMemoryRecord(17, PopulatedMemoryRecord(17));
    doc.SetMemoryRecord(182, PopulatedMemoryRecord(182));
    doc.SetMemoryRecord(193, QStringLiteral("PR,00433000000,5,0,0,0,0,,09,,09,,,,,,,"));
    doc.SetCallRecord(1, QStringLiteral("1,00433000000,6,0,0,0,1,,09,,21,,,,00438000000,6,,"));
    doc.SetDtmfRecord(0, QStringLiteral("00,1*#"));
    doc.SetDtmfRecord(3, QStringLiteral("03,"));
    TWriteTransfer write(host);
    ASSERT_TRUE(write.Start(QStringLiteral("COM1")));
    ASSERT_TRUE(WaitForEnd(host));
    EXPECT_EQ(host.finishes.value(0), TTransferOutcome::Completed);
    ASSERT_EQ(sim.Stop(), 0);

    const QStringList log = sim.CommandLog();
    EXPECT_EQ(log, ExpectedWriteCommands(doc));
    EXPECT_TRUE(log.contains("MNA 0,001,"));
    EXPECT_TRUE(log.contains("EEP 0C0f,01,00"));
    EXPECT_TRUE(log.contains("EEP 0C10,01,00") == false);
    EXPECT_TRUE(log.contains("EEP 0Cb4,01,00"));
    EXPECT_TRUE(log.contains("DM 00,1EF"));
    EXPECT_TRUE(log.contains("EEP 0CC9,01,FF"));
    EXPECT_TRUE(log.contains("EEP 0CCf,01,FF"));
    // No name command for PR, no CALL 0, no VFO: the DTMF memories follow
    // the CALL records straight away.
    EXPECT_FALSE(log.join('\n').contains("MNA 0,PR"));
    const int cw = log.indexOf("CW 1,1,00438000000,6");
    ASSERT_GT(cw, 0);
    EXPECT_EQ(log.value(cw + 1), "DM 00,1EF");
    EXPECT_FALSE(log.join('\n').contains("CW 0,"));
}

TEST_F(TransferTest, WriteWithoutAnyCallRecordGoesOnToTheVfos)
{
    StartSim(nullptr);
    RecordingHost host;
    host.doc = PopulatedDocument();
    host.doc.SetCallRecord(0, QString());
    host.doc.SetCallRecord(1, QStringLiteral("1,,,,,,,,,,,,,,,,,"));
    TWriteTransfer write(host);
    ASSERT_TRUE(write.Start(QStringLiteral("COM1")));
    ASSERT_TRUE(WaitForEnd(host));
    EXPECT_EQ(host.finishes.value(0), TTransferOutcome::Completed);
    ASSERT_EQ(sim.Stop(), 0);
    EXPECT_EQ(sim.CommandLog(), ExpectedWriteCommands(host.doc));
}

TEST_F(TransferTest, CancelInMidTransferStopsSendingAndFinishesOnce)
{
    const TChannelDocument radio = PopulatedDocument();
    StartSim(&radio, {QStringLiteral("--latency"), QStringLiteral("5")});
    for (bool reading : {true, false}) {
        SCOPED_TRACE(reading ? "read" : "write");
        RecordingHost host;
        host.doc = radio;
        std::unique_ptr<TTransferEngine> engine;
        if (reading)
            engine = std::make_unique<TReadTransfer>(host);
        else
            engine = std::make_unique<TWriteTransfer>(host);
        host.onProgress = [&](int position) {
            if (position == 20)
                QTimer::singleShot(0, engine.get(), [&] { engine->Cancel(); });
        };
        const int before = sim.CommandLog().size();
        ASSERT_TRUE(engine->Start(QStringLiteral("COM1")));
        ASSERT_TRUE(WaitForEnd(host));
        EXPECT_EQ(host.finishes.value(0), TTransferOutcome::Cancelled);
        EXPECT_FALSE(engine->PortOpen());
        const int sent = sim.CommandLog().size() - before;
        // Well before the end, and nothing more after it (Timer3 does not
        // run the finish again either).
        QTest::qWait(600);
        EXPECT_EQ(sim.CommandLog().size() - before, sent);
        EXPECT_LT(sent, 100);
        EXPECT_EQ(host.finishes.size(), 1);
        EXPECT_EQ(host.refreshes, 0);
        EXPECT_TRUE(host.messages.isEmpty());
        EXPECT_TRUE(host.commErrors.isEmpty());
        EXPECT_LE(host.progress, 21);
    }
}

TEST_F(TransferTest, CancelJustBeforeTheLastReplyEndsWithoutStoringIt)
{
    // Cancel is pressed right after "DM 09" has gone out; its reply then
    // arrives within the 300 ms and ends the read.
    const TChannelDocument radio = PopulatedDocument();
    StartSim(&radio);
    RecordingHost host;
    TReadTransfer read(host);
    host.onProgress = [&](int position) {
        if (position == 209) // DTMF 8 stored; "DM 09" is sent next
            QTimer::singleShot(0, &read, [&] { read.Cancel(); });
    };
    ASSERT_TRUE(read.Start(QStringLiteral("COM1")));
    ASSERT_TRUE(WaitForEnd(host));
    EXPECT_EQ(host.finishes.value(0), TTransferOutcome::Cancelled);
    // A cancelled read changes nothing, not even what came before Cancel.
    EXPECT_TRUE(host.doc.Record(rkDtmf, 8).isEmpty());
    EXPECT_TRUE(host.doc.Record(rkDtmf, 9).isEmpty()) << "the reply after Cancel was stored";
    EXPECT_EQ(host.progress, 209);
    QTest::qWait(500);
    // The delayed end of Cancel does not run the finish again.
    EXPECT_EQ(host.finishes.size(), 1);
    EXPECT_EQ(host.refreshes, 0);
    ASSERT_EQ(sim.Stop(), 0);
    EXPECT_EQ(sim.CommandLog().last(), "DM 09");
}

TEST_F(TransferTest, CancelDuringThePauseBeforePs1DropsIt)
{
    StartSim(nullptr);
    RecordingHost host;
    TWriteTransfer write(host);
    bool cancelled = false;
    // Cancel as soon as the pause before "PS 1" has begun.
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!cancelled && write.PowerPauseTimer().isActive()) {
            cancelled = true;
            write.Cancel();
        }
    });
    poll.start();
    ASSERT_TRUE(write.Start(QStringLiteral("COM1")));
    ASSERT_TRUE(WaitForEnd(host));
    poll.stop();
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(host.finishes.value(0), TTransferOutcome::Cancelled);
    // Past the moment "PS 1" was due: nothing sent on the closed port.
    QTest::qWait(700);
    EXPECT_TRUE(host.commErrors.isEmpty()) << host.commErrors.join('|').toStdString();
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(host.finishes.size(), 1);
    ASSERT_EQ(sim.Stop(), 0);
    const QStringList log = sim.CommandLog();
    EXPECT_EQ(log.value(log.size() - 1), "PS 0");
    EXPECT_FALSE(log.contains("PS 1"));
}

TEST_F(TransferTest, CancelWhilePs1IsOutstandingEndsByItsReply)
{
    StartSim(nullptr);
    RecordingHost host;
    host.doc.SetDtmfRecord(0, QStringLiteral("00,1"));
    TWriteTransfer write(host);
    bool cancelled = false;
    // Runs right after the engine's own handler has sent "PS 1".
    QObject::connect(&write.PowerPauseTimer(), &QTimer::timeout, [&] {
        EXPECT_EQ(write.Step(), tsPS1);
        cancelled = true;
        write.Cancel();
    });
    ASSERT_TRUE(write.Start(QStringLiteral("COM1")));
    ASSERT_TRUE(WaitForEnd(host));
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(host.finishes.value(0), TTransferOutcome::Cancelled);
    QTest::qWait(400);
    EXPECT_EQ(host.finishes.size(), 1);
    EXPECT_TRUE(host.commErrors.isEmpty());
}

TEST_F(TransferTest, SilentRadioTimesOut)
{
    // Silent from the 40th command on: some slots have come by then.
    const TChannelDocument radio = PopulatedDocument();
    StartSim(&radio, {QStringLiteral("--silent-after"), QStringLiteral("40")});
    RecordingHost host;
    host.doc.SetMemoryRecord(100, QStringLiteral("100,00145000000,5,0,0,0,0,,09,,09,,0,,,,,"));
    const TChannelDocument before = host.doc;
    TReadTransfer read(host);
    ASSERT_TRUE(read.Start(QStringLiteral("COM1")));
    ASSERT_TRUE(WaitForEnd(host));
    EXPECT_EQ(host.finishes, QList<TTransferOutcome>{TTransferOutcome::TimedOut});
    // The message, then the device and what to check.
    EXPECT_EQ(host.messages, QStringList{kTimeout + "\n" + sim.DevicePath()
                                         + " (COM1): no reply from the radio. Check the cable and "
                                           "the port under Radio > Serial Port."
                                         + kNothingChanged});
    EXPECT_FALSE(read.PortOpen());
    // Nothing of the half read reaches the document, the lists or the
    // settings.
    EXPECT_EQ(host.refreshes, 0);
    EXPECT_TRUE(StoredType().isEmpty());
    QString difference;
    EXPECT_TRUE(SameChannels(host.doc, before, &difference)) << difference.toStdString();
    ASSERT_EQ(sim.Stop(), 0);
    EXPECT_EQ(sim.CommandLog().size(), 40) << "a command was sent again";

    // The write times out the same way.
    sim.Stop();
    SimFixture silent;
    ASSERT_TRUE(silent.Start({QStringLiteral("--silent-after"), QStringLiteral("5")}));
    ScopedCommDevice com(1, silent.DevicePath());
    RecordingHost writer;
    writer.doc = radio;
    TWriteTransfer write(writer);
    ASSERT_TRUE(write.Start(QStringLiteral("COM1")));
    ASSERT_TRUE(WaitForEnd(writer));
    EXPECT_EQ(writer.finishes, QList<TTransferOutcome>{TTransferOutcome::TimedOut});
    ASSERT_EQ(writer.messages.size(), 1);
    EXPECT_TRUE(writer.messages[0].startsWith(kTimeout + "\n" + silent.DevicePath() + " (COM1): no reply"))
        << writer.messages[0].toStdString();
    EXPECT_FALSE(write.PortOpen());
}

TEST_F(TransferTest, ReadGivesTheDefaultsOfTheRadioRead)
{
    // The program last saw a radio with the air band; this one has none,
    // but the 300 MHz and 800 MHz bands.
    const QString type = QStringLiteral("0,3,05,0,0,1,2");
    const QString limits = QStringLiteral("00136,00173,00300,00399,00410,00469,00800,00999");
    ASSERT_TRUE(sim.Start({"--type", type, "--limits", limits}));
    ScopedCommDevice com(1, sim.DevicePath());
    RecordingHost host;
    host.doc.SetRadioType(QLatin1String(kDefaultRadioType)); // with the 118 MHz band
    host.doc.ResetDocument();
    ASSERT_FALSE(host.doc.Record(rkVfo, 0).isEmpty());
    TReadTransfer read(host);
    ASSERT_TRUE(read.Start(QStringLiteral("COM1")));
    ASSERT_TRUE(WaitForEnd(host));
    ASSERT_EQ(host.finishes.value(0), TTransferOutcome::Completed);

    TChannelDocument expected;
    expected.SetRadioType(type);
    expected.ParseBandLimits(limits);
    expected.ResetDocument();
    EXPECT_EQ(host.doc.RadioType(), type);
    EXPECT_TRUE(host.doc.Record(rkVfo, 0).isEmpty()) << "no 118 MHz band on this radio";
    for (int band : {2, 4})
        EXPECT_EQ(host.doc.Record(rkVfo, band), expected.Record(rkVfo, band)) << band;
    EXPECT_TRUE(host.doc.Record(rkMemory, 1).isEmpty());
}

TEST_F(TransferTest, WrongRadioIsRefusedBeforeAnyDataCommand)
{
    StartSim(nullptr, {QStringLiteral("--id"), QStringLiteral("ID QV-R380")});
    for (bool reading : {true, false}) {
        SCOPED_TRACE(reading ? "read" : "write");
        RecordingHost host;
        host.doc = PopulatedDocument();
        std::unique_ptr<TTransferEngine> engine;
        if (reading)
            engine = std::make_unique<TReadTransfer>(host);
        else
            engine = std::make_unique<TWriteTransfer>(host);
        const int before = sim.CommandLog().size();
        ASSERT_TRUE(engine->Start(QStringLiteral("COM1")));
        ASSERT_TRUE(WaitForEnd(host));
        EXPECT_EQ(host.finishes, QList<TTransferOutcome>{TTransferOutcome::WrongRadio});
        EXPECT_EQ(host.messages, QStringList{kWrongRadio + (reading ? kNothingChanged
                                                                    : QStringLiteral("\nNothing was written to the radio."))});
        EXPECT_EQ(host.enables, (QList<bool>{false, true}));
        EXPECT_FALSE(engine->PortOpen());
        EXPECT_EQ(sim.CommandLog().mid(before), (QStringList{QString(), "AI 0", "ID"}));
        if (reading) {
            // Untouched, so nothing to redraw.
            EXPECT_EQ(host.refreshes, 0);
            EXPECT_EQ(host.doc.Record(rkMemory, 2), PopulatedMemoryRecord(2));
        }
    }
}

TEST_F(TransferTest, InexactAnswerToAi0OnlyRestartsTheWait)
{
    StartSim(nullptr, {QStringLiteral("--ai-reply"), QStringLiteral("AI 0 ")});
    RecordingHost host;
    host.doc = PopulatedDocument();
    TReadTransfer read(host);
    ASSERT_TRUE(read.Start(QStringLiteral("COM1")));
    ASSERT_TRUE(WaitForEnd(host));
    // No further reply comes: the wait ends in the time-out, with "ID"
    // never sent and the document untouched.
    EXPECT_EQ(host.finishes, QList<TTransferOutcome>{TTransferOutcome::TimedOut});
    EXPECT_EQ(sim.CommandLog(), (QStringList{QString(), "AI 0"}));
    EXPECT_EQ(host.doc.Record(rkMemory, 2), PopulatedMemoryRecord(2));
}

TEST_F(TransferTest, HangUpEndsWithAMessageAndAClosedPort)
{
    const TChannelDocument radio = PopulatedDocument();
    for (bool reading : {true, false}) {
        SCOPED_TRACE(reading ? "read" : "write");
        SimFixture hangup;
        ASSERT_TRUE(hangup.Start({QStringLiteral("--hangup-after"), QStringLiteral("30")}));
        ScopedCommDevice com(1, hangup.DevicePath());
        RecordingHost host;
        host.doc = radio;
        std::unique_ptr<TTransferEngine> engine;
        if (reading)
            engine = std::make_unique<TReadTransfer>(host);
        else
            engine = std::make_unique<TWriteTransfer>(host);
        ASSERT_TRUE(engine->Start(QStringLiteral("COM1")));
        ASSERT_TRUE(WaitForEnd(host, 30000, true));
        EXPECT_EQ(host.messages.size() + host.commErrors.size(), 1)
            << host.messages.join('|').toStdString() << host.commErrors.join('|').toStdString();
        EXPECT_FALSE(engine->PortOpen());
        if (host.finishes.isEmpty()) {
            // A failed line leaves the end to Cancel, which works at once.
            engine->Cancel();
            ASSERT_TRUE(WaitForEnd(host, 5000));
            EXPECT_EQ(host.finishes.value(0), TTransferOutcome::Cancelled);
        }
        EXPECT_EQ(engine->TransferState(), TTransferEngine::State::Idle);
    }
}

// The item of the radio's memory a write command carries, named as the
// lists name it: "channel 045", "channel L1", "CALL VHF", "VFO 144MHz",
// "DTMF 03".
static QString ItemOfCommand(const TChannelDocument &doc, const QString &command)
{
    if (command.startsWith("MW 0,"))
        return "channel " + command.mid(7).section(',', 0, 0);
    if (command.startsWith("MNA 0,"))
        return "channel " + command.mid(6).section(',', 0, 0);
    if (command.startsWith("EEP 0CC"))
        return QStringLiteral("DTMF %1").arg(command.mid(7, 1).toInt(nullptr, 16) - 6, 2, 10, QLatin1Char('0'));
    if (command.startsWith("EEP 0C"))
        return "channel " + MemorySlotLabel(command.mid(6, 2).toInt(nullptr, 16) + 1);
    if (command.startsWith("CW "))
        return command.mid(3, 1) == "0" ? "CALL VHF" : "CALL UHF";
    if (command.startsWith("VW "))
        return "VFO " + BandLabel(doc, BandOfCode(command.at(3)));
    if (command.startsWith("PC "))
        return "VFO " + BandLabel(doc, command.mid(3, 1) == "0" ? 1 : 3);
    if (command.startsWith("DM "))
        return "DTMF " + command.mid(3, 2);
    return QString();
}

TEST_F(TransferTest, AFailedWriteSaysHowFarTheRadioTookTheMemory)
{
    const TChannelDocument doc = PopulatedDocument();
    const QStringList commands = ExpectedWriteCommands(doc);
    const int total = int(commands.size());
    const auto firstOf = [&](const char *head) {
        for (int i = 0; i < commands.size(); ++i)
            if (commands[i].startsWith(QLatin1String(head)))
                return i;
        return -1;
    };
    const int firstVfo = firstOf("VW ");
    const int firstDtmf = firstOf("DM ");
    ASSERT_GT(firstVfo, 0);
    ASSERT_GT(firstDtmf, 0);
    const QString mixed = "; it now holds old and new memory mixed.";
    // fault and the command it strikes (counted from 1, the wake-up line
    // included); the radio has answered every command before it.
    struct Case {
        const char *fault;
        int command;
        QString note; // empty: up to the item of the command before
    };
    const Case cases[] = {
        {"--silent-after", 120, {}},
        {"--hangup-after", 50, {}},
        {"--hangup-after", 205, {}},
        {"--silent-after", firstVfo + 2, {}},
        {"--silent-after", firstDtmf + 4, {}},
        {"--silent-after", 3, "Nothing was written to the radio."},
        {"--silent-after", total - 1,
         "The radio took the whole memory; the closing \"PS 0\" went unanswered and \"PS 1\" was not sent."},
        {"--silent-after", total, "The radio took the whole memory; only the closing \"PS 1\" went unanswered."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.fault) + " " + std::to_string(c.command));
        SimFixture radio;
        ASSERT_TRUE(radio.Start({QLatin1String(c.fault), QString::number(c.command)}));
        ScopedCommDevice com(1, radio.DevicePath());
        RecordingHost host;
        host.doc = doc;
        TWriteTransfer write(host);
        write.Start(QStringLiteral("COM1"));
        ASSERT_TRUE(WaitForEnd(host, 60000, true));
        const QStringList shown = host.messages + host.commErrors;
        ASSERT_EQ(shown.size(), 1) << shown.join('|').toStdString();
        const QStringList lines = shown[0].split('\n');
        if (QLatin1String(c.fault) == QLatin1String("--silent-after"))
            EXPECT_EQ(lines.value(0), kTimeout);
        // The specified message first, then the device and the reason, then
        // what the radio now holds.
        ASSERT_EQ(lines.size(), 3) << shown[0].toStdString();
        EXPECT_TRUE(lines[1].startsWith(radio.DevicePath())) << lines[1].toStdString();
        const bool partWay = c.note.isEmpty();
        const QString expected =
            partWay ? "The radio took the memory up to " + ItemOfCommand(doc, commands.value(c.command - 2)) + mixed
                    : c.note;
        EXPECT_EQ(lines[2], expected);
        EXPECT_TRUE(write.Failed());
        EXPECT_EQ(write.MemoryMixed(), partWay);
        EXPECT_EQ(radio.CommandLog().value(c.command - 1), commands.value(c.command - 1));
    }

    // A radio that dies in the middle of the memory.
    for (int progress : {60, 200}) {
        SCOPED_TRACE(progress);
        SimFixture radio;
        ASSERT_TRUE(radio.Start());
        ScopedCommDevice com(1, radio.DevicePath());
        RecordingHost host;
        host.doc = doc;
        host.onProgress = [&](int position) {
            if (position == progress)
                ::kill(radio.Pid(), SIGKILL);
        };
        TWriteTransfer write(host);
        ASSERT_TRUE(write.Start(QStringLiteral("COM1")));
        ASSERT_TRUE(WaitForEnd(host, 60000, true));
        const QStringList shown = host.messages + host.commErrors;
        ASSERT_EQ(shown.size(), 1);
        const QString last = shown[0].section('\n', -1);
        EXPECT_TRUE(last.startsWith("The radio took the memory up to ") && last.endsWith(mixed))
            << last.toStdString();
        if (progress == 60)
            EXPECT_TRUE(last.contains("channel 060;") || last.contains("channel 061;")) << last.toStdString();
        EXPECT_TRUE(write.MemoryMixed());
    }
}

TEST_F(TransferTest, WriteEndsThoughTheRadioKeepsTalkingAfterPs0)
{
    // A line every 100 ms after "PS 0", fewer than the pause before "PS 1".
    StartSim(nullptr, {QStringLiteral("--chatter-after-ps0"), QStringLiteral("100")});
    RecordingHost host;
    host.doc = PopulatedDocument();
    TWriteTransfer write(host);
    ASSERT_TRUE(write.Start(QStringLiteral("COM1")));
    ASSERT_TRUE(WaitForEnd(host, 30000, true)) << "the write never ended";
    EXPECT_EQ(host.finishes, QList<TTransferOutcome>{TTransferOutcome::Completed});
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_TRUE(host.commErrors.isEmpty());
    ASSERT_EQ(sim.Stop(), 0);
    EXPECT_EQ(sim.CommandLog(), ExpectedWriteCommands(host.doc));
}

TEST_F(TransferTest, FlowControlWithinTheReplyTimeIsWaitedOut)
{
    // XOFF held for half a second around the first replies: the short
    // commands that follow ("AI 0", "ID", "TYD", "FL") wait for XON.
    const TChannelDocument radio = PopulatedDocument();
    StartSim(&radio, {QStringLiteral("--xoff-hold"), QStringLiteral("500"), QStringLiteral("--xoff-replies"),
                      QStringLiteral("4")});
    RecordingHost host;
    TReadTransfer read(host);
    ASSERT_TRUE(read.Start(QStringLiteral("COM1")));
    ASSERT_TRUE(WaitForEnd(host, 60000, true));
    EXPECT_EQ(host.finishes, QList<TTransferOutcome>{TTransferOutcome::Completed});
    EXPECT_TRUE(host.commErrors.isEmpty()) << host.commErrors.join('|').toStdString();
    QString difference;
    EXPECT_TRUE(SameChannels(host.doc, radio, &difference)) << difference.toStdString();

    // Held longer than a reply may take: the write fails before any
    // memory command, and says that the radio held the line.
    SimFixture held;
    ASSERT_TRUE(held.Start({QStringLiteral("--xoff-hold"), QStringLiteral("3000"), QStringLiteral("--xoff-replies"),
                            QStringLiteral("2")}));
    ScopedCommDevice com(1, held.DevicePath());
    RecordingHost writer;
    writer.doc = radio;
    TWriteTransfer write(writer);
    write.Start(QStringLiteral("COM1"));
    ASSERT_TRUE(WaitForEnd(writer, 30000, true));
    EXPECT_EQ(writer.commErrors,
              QStringList{"Write data Timeout\n" + held.DevicePath()
                          + " (COM1): the radio held the line with flow control (XOFF) and did not release it in "
                            "time, so the command could not be sent.\nNothing was written to the radio."});
    EXPECT_FALSE(write.PortOpen());
}

TEST_F(TransferTest, ARadioAnsweringWithinTheReplyTimeIsFound)
{
    // 1.5 s for each answer: longer than a second, within the 2 s a
    // transfer waits.
    StartSim(nullptr, {QStringLiteral("--latency"), QStringLiteral("1500")});
    const TProbeResult probe = TRadioFinder().Probe(sim.DevicePath());
    EXPECT_TRUE(probe.radio) << probe.detail.toStdString();
    const CliRunResult detect = RunProgram(CliPath(), {QStringLiteral("detect"), QStringLiteral("--port"),
                                                       sim.DevicePath()});
    EXPECT_EQ(detect.exitCode, 0) << detect.err.toStdString();
    EXPECT_EQ(detect.out, (sim.DevicePath() + "\n").toLocal8Bit());
}

TEST_F(TransferTest, GarbageAndOverlongRepliesNeverOverflowARecord)
{
    const TChannelDocument radio = PopulatedDocument();
    const QStringList faults{QStringLiteral("--garbage-after"), QStringLiteral("--overlong-after")};
    for (const QString &fault : faults) {
        for (bool reading : {true, false}) {
            SCOPED_TRACE(fault.toStdString() + (reading ? " read" : " write"));
            ClearStoredSettings();
            // From the 6th command on (the first data command) every reply
            // is random text or 300 characters long.
            SimFixture faulty;
            ASSERT_TRUE(faulty.Start({fault, QStringLiteral("6"), QStringLiteral("--image"),
                                      faulty.WriteFile(QStringLiteral("image.381"), WriteDataFile(radio, QString()))}));
            ScopedCommDevice com(1, faulty.DevicePath());
            RecordingHost host;
            std::unique_ptr<TTransferEngine> engine;
            if (reading) {
                engine = std::make_unique<TReadTransfer>(host);
            } else {
                host.doc = radio;
                engine = std::make_unique<TWriteTransfer>(host);
            }
            ASSERT_TRUE(engine->Start(QStringLiteral("COM1")));
            ASSERT_TRUE(WaitForEnd(host));
            EXPECT_TRUE(host.commErrors.isEmpty());
            for (int slot = 1; slot <= 193; ++slot)
                EXPECT_LE(host.doc.Record(rkMemory, slot).size(), kRecordCapacity);
            for (int i = 0; i < 5; ++i)
                EXPECT_LE(host.doc.Record(rkVfo, i).size(), kRecordCapacity);
            for (int n = 0; n < 10; ++n)
                EXPECT_LE(host.doc.Record(rkDtmf, n).size(), kDtmfCapacity);
            EXPECT_LE(host.doc.RadioType().size(), kRadioTypeCapacity);
            if (reading) {
                // A read never reports success for such replies: the first
                // one ends it, named in the message, and nothing is stored.
                EXPECT_EQ(host.finishes, QList<TTransferOutcome>{TTransferOutcome::BadReply});
                ASSERT_EQ(host.messages.size(), 1);
                EXPECT_TRUE(host.messages.first().startsWith(
                    QStringLiteral("Invalid reply from the radio.\nThe reply to \"MR 0,0,001\" ")))
                    << host.messages.first().toStdString();
                EXPECT_TRUE(host.messages.first().endsWith(kNothingChanged));
                EXPECT_EQ(host.refreshes, 0);
                EXPECT_FALSE(HasStoredValue(QStringLiteral("Type")));
                EXPECT_FALSE(engine->PortOpen());
                EXPECT_LT(host.progress, TReadTransfer::kProgressMax);
            } else {
                // The write does not look at data replies at all.
                EXPECT_EQ(host.finishes.value(0), TTransferOutcome::Completed);
            }
        }
    }
}

TEST_F(TransferTest, CutRadioTypeOrGarbageAfterIdFailsTheReadAndStoresNothing)
{
    // The radio of an earlier read, remembered in the settings.
    SetStoredValue(QStringLiteral("Type"), QLatin1String(kAllBandsType));
    struct Case {
        QStringList options;
        const char *command;
    };
    const QList<Case> cases{
        {{QStringLiteral("--type"), QStringLiteral("0,")}, "TYD"},
        {{QStringLiteral("--type"), QStringLiteral("0,"), QStringLiteral("--throttle")}, "TYD"},
        {{QStringLiteral("--garbage-after"), QStringLiteral("4")}, "TYD"},
        {{QStringLiteral("--garbage-after"), QStringLiteral("4"), QStringLiteral("--throttle")}, "TYD"},
        {{QStringLiteral("--limits"), QStringLiteral("00136,001")}, "FL"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        // Replies paced byte by byte (--throttle) and in whole bursts.
        SimFixture faulty;
        ASSERT_TRUE(faulty.Start(c.options)) << faulty.ErrorString().toStdString();
        ScopedCommDevice com(1, faulty.DevicePath());
        RecordingHost host;
        host.doc.SetRadioType(QLatin1String(kAllBandsType));
        host.doc.ParseBandLimits(QLatin1String(kAllBandsLimits));
        host.doc.SetMemoryRecord(50, QStringLiteral("050,00145000000,5,0,0,0,0,,09,,09,,0,,,,,"));
        TReadTransfer read(host);
        ASSERT_TRUE(read.Start(QStringLiteral("COM1")));
        ASSERT_TRUE(WaitForEnd(host));
        EXPECT_EQ(host.finishes, QList<TTransferOutcome>{TTransferOutcome::BadReply});
        ASSERT_EQ(host.messages.size(), 1);
        EXPECT_TRUE(host.messages.first().startsWith(
            QStringLiteral("Invalid reply from the radio.\nThe reply to \"%1\" ").arg(QLatin1String(c.command))))
            << host.messages.first().toStdString();
        // The radio type and band limits stay those of the earlier radio,
        // in the document and in the settings; the document is untouched,
        // as it is reset only once type and limits have both come.
        EXPECT_EQ(host.doc.RadioType(), QLatin1String(kAllBandsType));
        EXPECT_EQ(host.doc.Record(rkBandLimit, 4), QStringLiteral("00800,00999"));
        EXPECT_EQ(StoredType(), QLatin1String(kAllBandsType));
        EXPECT_FALSE(host.doc.Record(rkMemory, 50).isEmpty());
        EXPECT_EQ(host.refreshes, 0);
        EXPECT_EQ(read.TransferState(), TTransferEngine::State::Idle);
        // No command follows the bad reply.
        faulty.Stop();
        EXPECT_EQ(faulty.CommandLog().last(), QLatin1String(c.command));
    }
}

TEST_F(TransferTest, UnusablePortIsReportedAndOnlyCancelEndsTheWait)
{
    ScopedCommDevice com(1, QStringLiteral("/nonexistent/vxl-r381-port"));
    RecordingHost host;
    TReadTransfer read(host);
    EXPECT_FALSE(read.Start(QStringLiteral("COM1")));
    EXPECT_EQ(host.messages,
              QStringList{kInvalidPort + "\n/nonexistent/vxl-r381-port (COM1): no such device. Plug the "
                                         "cable in, or choose the port under Radio > Serial Port."
                          + kNothingChanged});
    EXPECT_EQ(read.TransferState(), TTransferEngine::State::Waiting);
    read.Cancel();
    ASSERT_TRUE(WaitForEnd(host, 5000));
    EXPECT_EQ(host.finishes, QList<TTransferOutcome>{TTransferOutcome::Cancelled});
    // A late event on an engine at rest does nothing.
    read.HComm1CommEvent();
    read.Timer1Timer();
    read.Timer3Timer();
    EXPECT_EQ(host.finishes.size(), 1);
    EXPECT_EQ(host.messages.size(), 1);
}

namespace {

// A radio played by the test on a pseudo-terminal, for the identification
// exchange only: it answers the wake-up line and echoes "AI 0" in the
// pieces given (each piece written whole, 1 ms apart, as a UART at
// 9600 bit/s delivers one byte about every millisecond), answers "ID", and
// records the first data command that follows.
class ScriptedRadio {
public:
    explicit ScriptedRadio(QList<QByteArray> identification, QList<QByteArray> idAnswer = {"ID QV-R381\r"})
        : pieces_(std::move(identification)), idAnswer_(std::move(idAnswer))
    {
    }
    ~ScriptedRadio()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
    }

    bool Start()
    {
        if (!pty_.IsValid())
            return false;
        thread_ = std::thread([this] { Run(); });
        return true;
    }
    QString Path() const { return pty_.SlavePath(); }
    bool Done() const { return done_; }
    QByteArray NextCommand() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return next_;
    }

private:
    // Reads until want has come in (or the wait or the test ends).
    bool Expect(const QByteArray &want, QByteArray &seen)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!seen.contains(want)) {
            if (stop_ || std::chrono::steady_clock::now() > end)
                return false;
            seen += pty_.Read(1, 20);
        }
        seen.remove(0, seen.indexOf(want) + want.size());
        return true;
    }

    void Run()
    {
        QByteArray seen;
        if (!Expect("\rAI 0\r", seen))
            return;
        for (const QByteArray &piece : pieces_) {
            pty_.Write(piece);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        if (!Expect("ID\r", seen))
            return;
        for (const QByteArray &piece : idAnswer_) {
            pty_.Write(piece);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!seen.contains('\r')) {
            if (stop_ || std::chrono::steady_clock::now() > end)
                return;
            seen += pty_.Read(1, 20);
        }
        std::lock_guard<std::mutex> lock(mutex_);
        next_ = seen.left(seen.indexOf('\r'));
        done_ = true;
    }

    TestPty pty_;
    QList<QByteArray> pieces_;
    QList<QByteArray> idAnswer_;
    std::thread thread_;
    mutable std::mutex mutex_;
    QByteArray next_;
    std::atomic<bool> done_{false};
    std::atomic<bool> stop_{false};
};

QList<QByteArray> Bytewise(const QByteArray &text)
{
    QList<QByteArray> bytes;
    for (char c : text)
        bytes << QByteArray(1, c);
    return bytes;
}

// The ways the wake-up answer and the "AI 0" echo reach the port.
QList<QList<QByteArray>> IdentificationArrivals()
{
    return {
        // The wake-up answer at once, then the echo at line speed with its
        // first byte glued to the answer.
        QList<QByteArray>{"?\rA"} + Bytewise("I 0\r"),
        // The wake-up answer split, its carriage return glued to the echo.
        QList<QByteArray>{"?", "\rAI 0\r"},
        // Both at line speed.
        Bytewise("?\rAI 0\r"),
        // Both in one burst.
        QList<QByteArray>{"?\rAI 0\r"},
    };
}

} // namespace

TEST(IdentificationRace, BothTransfersIdentifyTheRadioHoweverTheLinesArrive)
{
    // However the wake-up answer and the "AI 0" echo arrive; and a stray or
    // late empty line around the answer to "ID" (before it, after it in the
    // same burst, CR LF line ends) is not the answer: the transfer waits on
    // for it. A line that sends "ID" back is reported as an echo, not as
    // another radio.
    struct Case {
        QList<QByteArray> arrival;
        QList<QByteArray> answer;
        bool identified;
    };
    QList<Case> cases;
    for (const QList<QByteArray> &arrival : IdentificationArrivals())
        cases.append({arrival, {"ID QV-R381\r"}, true});
    const QList<QByteArray> plain{"?\rAI 0\r"};
    cases.append({plain, {"\r", "ID QV-R381\r"}, true});
    cases.append({plain, {"\r\n", "ID QV-R381\r\n"}, true});
    cases.append({plain, {"ID QV-R381\r\r"}, true});
    cases.append({plain, Bytewise("\r\rID QV-R381\r"), true});
    cases.append({plain, {"ID\r"}, false});

    ClearStoredSettings();
    for (const Case &c : cases) {
        for (bool writing : {false, true}) {
            SCOPED_TRACE((writing ? "write, arrival " : "read, arrival ") + c.arrival.join('|').toStdString()
                         + ", answer " + c.answer.join('|').toStdString());
            ScriptedRadio radio(c.arrival, c.answer);
            ASSERT_TRUE(radio.Start());
            ScopedCommDevice com(1, radio.Path());
            RecordingHost host;
            host.doc = PopulatedDocument();
            std::unique_ptr<TTransferEngine> engine;
            if (writing)
                engine = std::make_unique<TWriteTransfer>(host);
            else
                engine = std::make_unique<TReadTransfer>(host);
            ASSERT_TRUE(engine->Start(QStringLiteral("COM1")));
            for (int waited = 0; !radio.Done() && host.finishes.isEmpty() && waited < 10000; waited += 5)
                QTest::qWait(5);
            if (!c.identified) {
                EXPECT_EQ(host.finishes, QList<TTransferOutcome>{TTransferOutcome::WrongRadio});
                ASSERT_EQ(host.messages.size(), 1);
                EXPECT_TRUE(host.messages[0].startsWith("The radio echoes what it receives.\n"))
                    << host.messages[0].toStdString();
                EXPECT_FALSE(radio.Done()) << "a command followed the echo";
                continue;
            }
            EXPECT_TRUE(host.messages.isEmpty()) << host.messages.join('|').toStdString();
            ASSERT_TRUE(radio.Done());
            // The first command after the identification.
            if (writing)
                EXPECT_TRUE(radio.NextCommand().startsWith("MW 0,0,001,")) << radio.NextCommand().toStdString();
            else
                EXPECT_EQ(radio.NextCommand(), QByteArray("TYD"));
            engine->Cancel();
            for (int waited = 0; host.finishes.isEmpty() && waited < 5000; waited += 5)
                QTest::qWait(5);
        }
    }
}

// A screen reader hears where a transfer stands at each tenth of the way
// and at each new phase, not at every one of its 210 steps.
TEST(TransferStatusText, AnnouncedAtEachTenthAndPhaseAndAtTheEnd)
{
    using TransferStatus::ProgressAnnouncement;
    const auto read = TTransferDirection::Read;
    const auto write = TTransferDirection::Write;
    const struct {
        TTransferDirection direction;
        int previous, position;
        const char *said;
    } cases[] = {
        {read, 0, 1, "Reading memory channel 1 of 193"},
        {read, 1, 2, ""},
        {read, 20, 21, "Reading memory channel 21 of 193"},
        {read, 22, 40, ""},
        {write, 40, 45, "Writing memory channel 45 of 193"},
        {read, 193, 194, "Reading CALL channels"},
        {read, 194, 195, ""},
        {write, 195, 196, "Writing VFOs"},
        {read, 200, 201, "Reading DTMF memories"},
        {read, 209, 210, "Reading DTMF memories"},
        {read, 210, 210, ""},
        {read, 5, 0, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ProgressAnnouncement(c.direction, c.previous, c.position), QLatin1String(c.said))
            << c.previous << " -> " << c.position;

    int said = 0;
    for (int position = 1; position <= TransferStatus::kProgressMaximum; ++position)
        said += ProgressAnnouncement(read, position - 1, position).isEmpty() ? 0 : 1;
    EXPECT_LE(said, 16);

    EXPECT_EQ(TransferStatus::OutcomeText(read, TTransferOutcome::Completed), "Read complete.");
    EXPECT_EQ(TransferStatus::OutcomeText(write, TTransferOutcome::Completed), "Write complete.");
    EXPECT_EQ(TransferStatus::OutcomeText(write, TTransferOutcome::Cancelled), "Write cancelled.");
    EXPECT_EQ(TransferStatus::OutcomeText(read, TTransferOutcome::TimedOut), "Read failed.");
}
