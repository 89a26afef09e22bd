// The Read and Write windows, shown by the main window's commands, against
// the radio simulator.
#include "data/Settings.h"
#include "data/ChannelDocument.h"
#include "data/Backups.h"
#include "data/DataFile.h"
#include "radio/ReadTransfer.h"
#include "radio/WriteTransfer.h"
#include "support/Pty.h"
#include "support/RadioImage.h"
#include "support/SimFixture.h"
#include "support/TestSettings.h"
#include "support/TestWindows.h"
#include "ui/main/DocumentHistory.h"
#include "ui/main/MainForm.h"
#include "ui/seam/Accessibility.h"
#include "ui/seam/Dialogs.h"
#include "ui/transfer/ReadForm.h"
#include "ui/transfer/WriteForm.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <memory>
#include <ostream>
#include <vector>

// Under ThreadSanitizer: Qt is not built with it, and its painting hands
// work to its own thread pool, synchronised in ways the sanitizer cannot
// see. Accesses made inside Qt's libraries are therefore not judged; the
// program's own code (the engines, the serial component) still is.
extern "C" const char *__tsan_default_options()
{
    return "ignore_noninstrumented_modules=1";
}

static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

class TransferWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearStoredSettings();
        main = std::make_unique<TMainForm>(&windows);
        windows.read = new TReadForm(*main);
        windows.write = new TWriteForm(*main);
        Dialogs::SetMessageResponder([this](const Dialogs::MessageRequest &request) {
            messages.push_back(request);
            if (request.buttons == Dialogs::Buttons::YesNo)
                return writeAnswer;
            if (request.buttons == Dialogs::Buttons::YesNoCancel)
                return Dialogs::Answer::No;
            return Dialogs::Answer::Ok;
        });
    }

    void TearDown() override
    {
        Dialogs::ResetResponders();
        windows.Clear();
        main.reset();
    }

    void StartSim(const TChannelDocument *image, QStringList options = {})
    {
        if (image)
            options << QStringLiteral("--image")
                    << sim.WriteFile(QStringLiteral("image.381"), WriteDataFile(*image, QString()));
        options << QStringLiteral("--type") << QLatin1String(kAllBandsType) << QStringLiteral("--limits")
                << QLatin1String(kAllBandsLimits);
        ASSERT_TRUE(sim.Start(options)) << sim.ErrorString().toStdString();
        device = std::make_unique<ScopedCommDevice>(1, sim.DevicePath());
    }

    QStringList MessageTexts() const
    {
        QStringList texts;
        for (const auto &m : messages)
            texts << m.text;
        return texts;
    }

    TReadForm *ReadForm() { return windows.read; }
    TWriteForm *WriteForm() { return windows.write; }

    TestWindows windows; // outlives the main window
    std::unique_ptr<TMainForm> main;
    std::vector<Dialogs::MessageRequest> messages;
    Dialogs::Answer writeAnswer = Dialogs::Answer::Yes;
    SimFixture sim;
    std::unique_ptr<ScopedCommDevice> device;
};

} // namespace

TEST_F(TransferWindowTest, WindowsCarryTheirControlsAndHaveNoCloseBox)
{
    TTransferForm *forms[] = {ReadForm(), WriteForm()};
    const char *captions[] = {"Read", "Write"};
    const char *labels[] = {"Reading data from the Radio.", "Writing data to the Radio."};
    for (int i = 0; i < 2; ++i) {
        TTransferForm *form = forms[i];
        EXPECT_EQ(form->windowTitle(), captions[i]);
        EXPECT_EQ(form->Label1->text(), labels[i]);
        EXPECT_EQ(form->Label1->objectName(), "Label1");
        EXPECT_EQ(form->ProgressBar1->objectName(), "ProgressBar1");
        EXPECT_EQ(form->ProgressBar1->minimum(), 0);
        EXPECT_EQ(form->ProgressBar1->maximum(), 210);
        EXPECT_EQ(form->Button1->objectName(), "Button1");
        EXPECT_EQ(form->Button1->text(), "Cancel");
        EXPECT_EQ(form->font().family(), "Times New Roman");
        EXPECT_EQ(form->size(), QSize(218, 104));
        EXPECT_FALSE(form->windowFlags() & Qt::WindowCloseButtonHint);
        ASSERT_NE(form->HComm1, nullptr);
        EXPECT_EQ(form->HComm1, &form->Transfer()->Comm());
        EXPECT_EQ(form->HComm1->FlowControl(), Comm::XonXoff);
        EXPECT_EQ(form->HComm1->EventType(), Comm::CharEvent);
        EXPECT_EQ(form->HComm1->EventChar(), 13);
        EXPECT_EQ(form->HComm1->InBuffSize(), 1024u);
        EXPECT_EQ(form->HComm1->RxStartSize(), 256);
        EXPECT_EQ(form->HComm1->RxStopSize(), 768);
        EXPECT_EQ(form->Transfer()->ReplyTimer().interval(), 2000);
        EXPECT_EQ(form->Transfer()->CancelTimer().interval(), 300);
        // Coarse timers may fire 5 % early; protocol waits must not.
        EXPECT_EQ(form->Transfer()->ReplyTimer().timerType(), Qt::PreciseTimer);
        EXPECT_EQ(form->Transfer()->CancelTimer().timerType(), Qt::PreciseTimer);
    }
    EXPECT_EQ(WriteForm()->WriteTransfer()->PowerPauseTimer().interval(), 500);
    EXPECT_EQ(WriteForm()->WriteTransfer()->PowerPauseTimer().timerType(), Qt::PreciseTimer);
}

TEST_F(TransferWindowTest, ReadFillsTheDocumentRedrawsTheListsAndStoresTheRadio)
{
    const TChannelDocument radio = PopulatedDocument();
    StartSim(&radio);
    main->Document().SetMemoryRecord(60, QStringLiteral("060,00145000000,5,0,0,0,0,,09,,09,,0,,,,,"));
    int lastProgress = -1;
    QObject::connect(ReadForm()->ProgressBar1, &QProgressBar::valueChanged, [&](int v) { lastProgress = v; });

    main->Read1Click();

    EXPECT_TRUE(messages.empty()) << MessageTexts().join('|').toStdString();
    EXPECT_FALSE(ReadForm()->isVisible());
    EXPECT_EQ(ReadForm()->result(), QDialog::Accepted);
    EXPECT_EQ(lastProgress, 210);
    QString difference;
    EXPECT_TRUE(SameChannels(main->Document(), radio, &difference)) << difference.toStdString();
    // The lists show the radio: all five VFO rows, the names of the slots.
    EXPECT_EQ(main->StringGrid2->rowCount(), 6);
    bool nameShown = false;
    for (int c = 0; c < main->StringGrid1->columnCount(); ++c) {
        QTableWidgetItem *item = main->StringGrid1->item(1, c);
        nameShown = nameShown || (item && item->text() == QLatin1String("CH1"));
    }
    EXPECT_TRUE(nameShown);
    EXPECT_EQ(main->Caption(), "VXL-R381 [Radio]");
    EXPECT_EQ(main->Modified(), 1);
    QSettings settings(QString::fromLatin1(kSettingsOrganisation), QString::fromLatin1(kSettingsApplication));
    EXPECT_EQ(settings.value(QStringLiteral("Type")).toString(), kAllBandsType);
    EXPECT_EQ(settings.value(QStringLiteral("Limit4")).toString(), "00800,00999");
    EXPECT_FALSE(ReadForm()->HComm1->GetPortStatus());
}

// What a screen reader is told during a transfer: one event as the window
// raises it, with the name its object had then.
struct HeardEvent {
    QObject *object;
    QAccessible::Event type;
    QString name;
    int value;
};
static std::vector<HeardEvent> heard;

static void HearEvent(QAccessibleEvent *event)
{
    QAccessibleInterface *node = event->accessibleInterface();
    const int value = event->type() == QAccessible::ValueChanged
        ? static_cast<QAccessibleValueChangeEvent *>(event)->value().toInt()
        : -1;
    heard.push_back({event->object(), event->type(), node ? node->text(QAccessible::Name) : QString(), value});
}

TEST_F(TransferWindowTest, ReadAndWriteAnnounceTheirProgressAndTheirEnd)
{
    const TChannelDocument radio = PopulatedDocument();
    StartSim(&radio);
    Accessibility::SetListener(HearEvent);
    struct Uninstall {
        ~Uninstall() { Accessibility::SetListener(nullptr); }
    } uninstall;
    const struct {
        TTransferForm *form;
        void (TMainForm::*command)();
        const char *firstChannel, *phases[3], *end;
    } transfers[] = {
        {ReadForm(), &TMainForm::Read1Click, "Reading memory channel 1 of 193",
         {"Reading CALL channels", "Reading VFOs", "Reading DTMF memories"}, "Read complete."},
        {WriteForm(), &TMainForm::Write1Click, "Writing memory channel 1 of 193",
         {"Writing CALL channels", "Writing VFOs", "Writing DTMF memories"}, "Write complete."},
    };
    for (const auto &t : transfers) {
        SCOPED_TRACE(t.end);
        heard.clear();
        (main.get()->*t.command)();
        ASSERT_EQ(t.form->LastOutcome(), TTransferOutcome::Completed);

        // The status the window's text stands for, at steps a listener can
        // follow; the last word is an alert that the transfer is over.
        QStringList said;
        int alerts = 0;
        int lastValue = -1;
        for (const HeardEvent &e : heard) {
            if (e.object == t.form->Label1 && e.type == QAccessible::NameChanged && said.value(said.size() - 1) != e.name)
                said << e.name;
            if (e.object == t.form->Label1 && e.type == QAccessible::Alert) {
                ++alerts;
                EXPECT_EQ(e.name, t.end);
            }
            if (e.object == t.form->ProgressBar1 && e.type == QAccessible::ValueChanged)
                lastValue = e.value;
        }
        EXPECT_TRUE(said.contains(t.firstChannel)) << said.join('|').toStdString();
        for (const char *phase : t.phases)
            EXPECT_TRUE(said.contains(phase)) << phase << ": " << said.join('|').toStdString();
        EXPECT_EQ(said.value(said.size() - 1), t.end);
        EXPECT_LE(said.size(), 20) << said.join('|').toStdString();
        EXPECT_EQ(alerts, 1);
        EXPECT_EQ(lastValue, t.form->ProgressBar1->value());
        EXPECT_GT(lastValue, 200);
    }
}

TEST_F(TransferWindowTest, ReadGivesTheSameDocumentWhateverFormTheEmptyItemsCameIn)
{
    const TChannelDocument radio = SparseRadioDocument();
    QByteArray first;
    for (const QStringList &form : EmptyItemReplyForms()) {
        SCOPED_TRACE(form.join(' ').toStdString());
        SimFixture radioSim;
        ASSERT_TRUE(radioSim.Start(form + radioSim.RadioOptions(radio))) << radioSim.ErrorString().toStdString();
        ScopedCommDevice com(1, radioSim.DevicePath());
        main->SetModified(0);
        messages.clear();
        main->Read1Click();
        EXPECT_TRUE(messages.empty()) << MessageTexts().join('|').toStdString();
        ASSERT_EQ(ReadForm()->LastOutcome(), TTransferOutcome::Completed);
        EXPECT_EQ(ReadForm()->ProgressBar1->value(), 210);
        QString difference;
        EXPECT_TRUE(SameChannels(main->Document(), SparseRadioAfterRead(), &difference))
            << difference.toStdString();
        const QByteArray bytes = WriteDataFile(main->Document(), QString());
        if (first.isEmpty())
            first = bytes;
        EXPECT_EQ(bytes, first);
    }
}

TEST_F(TransferWindowTest, AReadThatDoesNotCompleteChangesNothing)
{
    // The radio holds every slot: 580 commands in all, of which 564..570
    // read the VFOs and 571..580 the DTMF memories.
    const TChannelDocument radio = PopulatedDocument();
    const QString kNothing = QStringLiteral("\nNothing was changed.");
    struct Case {
        const char *what;
        QStringList options;
        int cancelAt;        // progress at which Cancel is clicked (0: never)
        QString message;     // first line(s) of the one message (empty: none)
    } cases[] = {
        {"wrong radio", {QStringLiteral("--id"), QStringLiteral("ID XX-R381")}, 0,
         "Invalid the radio.\nPlease check and try again."},
        {"silent during memories", {QStringLiteral("--silent-after"), QStringLiteral("30")}, 0,
         "Communication timeout error."},
        {"silent during VFOs", {QStringLiteral("--silent-after"), QStringLiteral("566")}, 0,
         "Communication timeout error."},
        {"silent during DTMF", {QStringLiteral("--silent-after"), QStringLiteral("575")}, 0,
         "Communication timeout error."},
        {"hang-up during memories", {QStringLiteral("--hangup-after"), QStringLiteral("200")}, 0, "*"},
        {"cancel during memories", {}, 10, QString()},
        {"cancel during VFOs", {}, 197, QString()},
        {"cancel during DTMF", {}, 205, QString()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        SimFixture radioSim;
        QStringList options = c.options;
        options << QStringLiteral("--image")
                << radioSim.WriteFile(QStringLiteral("image.381"), WriteDataFile(radio, QString()));
        ASSERT_TRUE(radioSim.Start(options));
        ScopedCommDevice com(1, radioSim.DevicePath());

        // A document of the user's, with a change already on the undo stack.
        main->Document().SetMemoryRecord(120, QStringLiteral("120,00145000000,5,0,0,0,0,,09,,09,,0,,,,,MINE"));
        main->RecordChange(QStringLiteral("Edit 120"));
        main->RefreshGrids();
        main->SetModified(1);
        const TChannelDocument before = main->Document();
        const QString caption = main->Caption();
        const int undoSteps = main->History().Stack().count();
        const QString undoText = main->History().Stack().undoText();
        const QString settingsType = QSettings(QString::fromLatin1(kSettingsOrganisation),
                                               QString::fromLatin1(kSettingsApplication))
                                         .value(QStringLiteral("Type")).toString();

        messages.clear();
        bool disabledDuringMessage = false;
        Dialogs::SetMessageResponder([&](const Dialogs::MessageRequest &request) {
            if (request.buttons == Dialogs::Buttons::YesNoCancel)
                return Dialogs::Answer::No; // the changes need not be saved first
            messages.push_back(request);
            disabledDuringMessage = !ReadForm()->isEnabled();
            // A failed line leaves the window waiting for Cancel.
            QTimer::singleShot(0, ReadForm(), [&] {
                if (ReadForm()->isVisible())
                    ReadForm()->Button1->click();
            });
            return Dialogs::Answer::Ok;
        });
        QMetaObject::Connection cancelOn;
        if (c.cancelAt > 0)
            cancelOn = QObject::connect(ReadForm()->ProgressBar1, &QProgressBar::valueChanged, ReadForm(),
                                        [&](int v) {
                                            if (v == c.cancelAt)
                                                ReadForm()->Button1->click();
                                        });

        main->Read1Click();
        QObject::disconnect(cancelOn);

        EXPECT_NE(ReadForm()->LastOutcome(), TTransferOutcome::Completed);
        EXPECT_FALSE(ReadForm()->isVisible());
        EXPECT_FALSE(ReadForm()->HComm1->GetPortStatus());
        if (c.message.isEmpty()) {
            EXPECT_TRUE(messages.empty()) << MessageTexts().join('|').toStdString();
        } else {
            ASSERT_EQ(messages.size(), 1u);
            // The message first, the note last.
            if (c.message != QLatin1String("*"))
                EXPECT_TRUE(messages[0].text.startsWith(c.message + "\n")) << messages[0].text.toStdString();
            EXPECT_TRUE(messages[0].text.endsWith(kNothing)) << messages[0].text.toStdString();
            EXPECT_EQ(messages[0].caption, "VXL-R381");
            EXPECT_EQ(disabledDuringMessage, c.options.first() == QLatin1String("--id"));
        }
        // Document, lists, title, Modified, undo history and settings are
        // as they were.
        QString difference;
        EXPECT_TRUE(SameChannels(main->Document(), before, &difference)) << difference.toStdString();
        EXPECT_EQ(main->Caption(), caption);
        EXPECT_EQ(main->Modified(), 1);
        EXPECT_EQ(main->History().Stack().count(), undoSteps);
        EXPECT_EQ(main->History().Stack().undoText(), undoText);
        bool nameShown = false;
        for (int col = 0; col < main->StringGrid1->columnCount(); ++col) {
            QTableWidgetItem *item = main->StringGrid1->item(120, col);
            nameShown = nameShown || (item && item->text() == QLatin1String("MINE"));
        }
        EXPECT_TRUE(nameShown);
        EXPECT_EQ(QSettings(QString::fromLatin1(kSettingsOrganisation), QString::fromLatin1(kSettingsApplication))
                      .value(QStringLiteral("Type")).toString(),
                  settingsType);
    }
}

TEST_F(TransferWindowTest, CancelButtonEndsTheReadAndOnlyItClosesTheWindow)
{
    const TChannelDocument radio = PopulatedDocument();
    StartSim(&radio, {QStringLiteral("--latency"), QStringLiteral("5")});
    bool escapeIgnored = false;
    bool closeIgnored = false;
    bool cancelled = false;
    QObject::connect(ReadForm()->ProgressBar1, &QProgressBar::valueChanged, ReadForm(), [&](int v) {
        if (v != 10 || cancelled)
            return;
        cancelled = true;
        QTimer::singleShot(0, ReadForm(), [&] {
            QTest::keyClick(ReadForm(), Qt::Key_Escape);
            escapeIgnored = ReadForm()->isVisible();
            closeIgnored = !ReadForm()->close() && ReadForm()->isVisible();
            QTest::mouseClick(ReadForm()->Button1, Qt::LeftButton);
        });
    });
    main->Read1Click();
    EXPECT_TRUE(escapeIgnored);
    EXPECT_TRUE(closeIgnored);
    EXPECT_FALSE(ReadForm()->isVisible());
    EXPECT_EQ(ReadForm()->LastOutcome(), TTransferOutcome::Cancelled);
    EXPECT_TRUE(messages.empty());
    EXPECT_LE(ReadForm()->ProgressBar1->value(), 11);
    EXPECT_EQ(main->Modified(), 0);
    EXPECT_FALSE(ReadForm()->HComm1->GetPortStatus());

    // The window is shown again for the next read, from the start.
    main->SetModified(0);
    main->Read1Click();
    EXPECT_EQ(ReadForm()->LastOutcome(), TTransferOutcome::Completed);
    EXPECT_EQ(ReadForm()->ProgressBar1->value(), 210);
    QString difference;
    EXPECT_TRUE(SameChannels(main->Document(), radio, &difference)) << difference.toStdString();
}

TEST_F(TransferWindowTest, WriteSendsTheDocumentOnlyAfterYes)
{
    StartSim(nullptr);
    main->Document() = PopulatedDocument();
    main->SetModified(0);

    writeAnswer = Dialogs::Answer::No;
    main->Write1Click();
    EXPECT_TRUE(sim.CommandLog().isEmpty());

    writeAnswer = Dialogs::Answer::Yes;
    main->Write1Click();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, "Do you want to write the data to the radio?");
    EXPECT_EQ(WriteForm()->LastOutcome(), TTransferOutcome::Completed);
    EXPECT_FALSE(WriteForm()->isVisible());
    EXPECT_EQ(main->Modified(), 0);
    ASSERT_EQ(sim.Stop(), 0);
    EXPECT_EQ(sim.CommandLog(), ExpectedWriteCommands(main->Document()));
}

TEST_F(TransferWindowTest, AWriteThatFailsPartWayOffersTheBackupTakenBeforeIt)
{
    for (Dialogs::Answer answer : {Dialogs::Answer::No, Dialogs::Answer::Yes}) {
        SCOPED_TRACE(answer == Dialogs::Answer::Yes ? "Yes" : "No");
        messages.clear();
        SimFixture radio;
        ASSERT_TRUE(radio.Start({QStringLiteral("--silent-after"), QStringLiteral("120")}));
        ScopedCommDevice com(1, radio.DevicePath());
        main->Document() = PopulatedDocument();
        main->SetModified(0);
        const QString fileName = main->FileName();
        // Yes to the write; the answer under test to the offer.
        Dialogs::SetMessageResponder([&](const Dialogs::MessageRequest &request) {
            messages.push_back(request);
            if (request.buttons != Dialogs::Buttons::YesNo)
                return Dialogs::Answer::Ok;
            return messages.size() == 1 ? Dialogs::Answer::Yes : answer;
        });
        main->Write1Click();
        ASSERT_EQ(messages.size(), 3u) << MessageTexts().join('|').toStdString();
        EXPECT_EQ(messages[1].icon, Dialogs::Icon::Critical);
        EXPECT_TRUE(messages[1].text.startsWith("Communication timeout error.\n"));
        EXPECT_TRUE(messages[1].text.endsWith("; it now holds old and new memory mixed."))
            << messages[1].text.toStdString();
        EXPECT_FALSE(WriteForm()->isVisible());
        // The offer names the backup that the write kept.
        const QStringList backups = BackupFiles(BackupFolder());
        ASSERT_FALSE(backups.isEmpty());
        const QString backup = QDir(BackupFolder()).filePath(backups.last());
        EXPECT_EQ(messages[2].icon, Dialogs::Icon::Question);
        EXPECT_TRUE(messages[2].text.startsWith("Do you want to open the backup taken before the write?\n"));
        EXPECT_TRUE(messages[2].text.contains(QDir::toNativeSeparators(backup))) << messages[2].text.toStdString();
        if (answer == Dialogs::Answer::Yes) {
            // An untitled copy: a Save must not overwrite the backup.
            EXPECT_EQ(main->FileName(), QStringLiteral("Untitled"));
            QString difference;
            EXPECT_TRUE(SameChannels(main->Document(), PopulatedDocument(), &difference)) << difference.toStdString();
        } else {
            EXPECT_EQ(main->FileName(), fileName);
        }
    }

    // A write that fails before any memory went out offers nothing.
    messages.clear();
    SimFixture silent;
    ASSERT_TRUE(silent.Start({QStringLiteral("--silent-after"), QStringLiteral("3")}));
    ScopedCommDevice com(1, silent.DevicePath());
    Dialogs::SetMessageResponder([&](const Dialogs::MessageRequest &request) {
        messages.push_back(request);
        return request.buttons == Dialogs::Buttons::YesNo ? Dialogs::Answer::Yes : Dialogs::Answer::Ok;
    });
    main->Write1Click();
    ASSERT_EQ(messages.size(), 2u) << MessageTexts().join('|').toStdString();
    EXPECT_TRUE(messages[1].text.endsWith("\nNothing was written to the radio."));
}

TEST_F(TransferWindowTest, UnusablePortInTheWindowWaitsForCancel)
{
    // The port vanishes between the main window's probe and the window.
    ScopedCommDevice com(1, QStringLiteral("/nonexistent/vxl-r381"));
    QTimer::singleShot(0, ReadForm(), [&] {
        QTimer::singleShot(50, ReadForm(), [&] {
            EXPECT_TRUE(ReadForm()->isVisible());
            ReadForm()->Button1->click();
        });
    });
    ReadForm()->exec();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Invalid COM port.\nPlease check and try again.\n"
                                "/nonexistent/vxl-r381 (COM1): no such device. Plug the cable in, "
                                "or choose the port under Radio > Serial Port.\nNothing was changed.");
    EXPECT_EQ(messages[0].icon, Dialogs::Icon::Critical);
    EXPECT_EQ(ReadForm()->LastOutcome(), TTransferOutcome::Cancelled);
}

TEST_F(TransferWindowTest, HangUpDuringWriteEndsWithAMessageAndAClosablePort)
{
    ASSERT_TRUE(sim.Start({QStringLiteral("--hangup-after"), QStringLiteral("20")}));
    ScopedCommDevice com(1, sim.DevicePath());
    main->Document() = PopulatedDocument();
    // If the line failure leaves the window open, Cancel must close it.
    Dialogs::SetMessageResponder([&](const Dialogs::MessageRequest &request) {
        messages.push_back(request);
        if (request.buttons == Dialogs::Buttons::YesNo)
            return Dialogs::Answer::Yes;
        QTimer::singleShot(0, WriteForm(), [&] {
            if (WriteForm()->isVisible())
                WriteForm()->Button1->click();
        });
        return Dialogs::Answer::Ok;
    });
    main->Write1Click();
    // The failure, then the offer of the backup (memory had gone out).
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[1].icon, Dialogs::Icon::Critical);
    EXPECT_FALSE(messages[1].text.isEmpty());
    EXPECT_EQ(messages[2].icon, Dialogs::Icon::Question);
    EXPECT_FALSE(WriteForm()->isVisible());
    EXPECT_FALSE(WriteForm()->HComm1->GetPortStatus());
}

TEST_F(TransferWindowTest, WriteWindowGetsPastTheWakeUpAnswerAtLineSpeed)
{
    // The radio answers the wake-up line at once and echoes "AI 0" byte by
    // byte at 9600 bit/s, as real hardware does.
    StartSim(nullptr, {QStringLiteral("--throttle"), QStringLiteral("--wake-at-once")});
    main->SetModified(0);
    main->Write1Click();
    EXPECT_EQ(WriteForm()->LastOutcome(), TTransferOutcome::Completed);
    EXPECT_EQ(MessageTexts(), QStringList{"Do you want to write the data to the radio?"});
    ASSERT_EQ(sim.Stop(), 0);
    EXPECT_EQ(sim.CommandLog(), ExpectedWriteCommands(main->Document()));
}
