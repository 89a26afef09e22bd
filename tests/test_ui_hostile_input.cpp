// The main window against hostile input: special files opened as data
// files, clipboard records another program placed there, and a clipboard
// whose owner does not answer.
#include "data/ChannelDocument.h"
#include "ui/main/MainForm.h"
#include "ui/seam/Dialogs.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QMimeData>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <atomic>
#include <memory>
#include <ostream>
#include <sys/stat.h>

static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

const QString kRecordMime = QStringLiteral("application/x-vxl-r381-record");

// Clipboard data that counts how often its content is asked for, as a
// clipboard owned by another program is asked over the window system.
class CountingMimeData : public QMimeData {
public:
    explicit CountingMimeData(const QByteArray &payload) : payload_(payload) {}
    static std::atomic<int> reads;

    QStringList formats() const override { return {kRecordMime}; }
    bool hasFormat(const QString &mimeType) const override { return mimeType == kRecordMime; }

protected:
    QVariant retrieveData(const QString &mimeType, QMetaType type) const override
    {
        (void)type;
        ++reads;
        return mimeType == kRecordMime ? QVariant(payload_) : QVariant();
    }

private:
    QByteArray payload_;
};
std::atomic<int> CountingMimeData::reads{0};

class HostileMainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QApplication::clipboard()->clear();
        form = std::make_unique<TMainForm>();
        Dialogs::SetMessageResponder([this](const Dialogs::MessageRequest &request) {
            messages << request.text;
            return Dialogs::Answer::Ok;
        });
        TChannelDocument &doc = form->Document();
        doc.SetRadioType(QStringLiteral("0,2,00,1,1,,"));
        doc.ParseBandLimits(QStringLiteral("00118,00135,00136,00173,00410,00469"));
        doc.ResetDocument();
        form->RebuildVfoRows();
        form->RefreshGrids();
        form->SetModified(0);
    }
    void TearDown() override
    {
        Dialogs::ResetResponders();
        form.reset();
        QApplication::clipboard()->clear();
    }

    void Activate(int grid, int row)
    {
        QFocusEvent focus(QEvent::FocusIn, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(form->Grid(grid), &focus);
        ASSERT_EQ(form->ActiveGrid(), grid);
        form->SelectRow(grid, row);
    }

    // Another program places a payload under our format.
    static void Offer(const QString &record)
    {
        QString text = record;
        text.replace(QLatin1Char(','), QLatin1Char('\t'));
        auto *data = new QMimeData;
        data->setData(kRecordMime, text.toLatin1() + QByteArray(1, '\0'));
        QApplication::clipboard()->setMimeData(data);
    }

    int VfoRowOfBand(int band) const
    {
        for (int row = 1; row < form->Grid(2)->rowCount(); ++row)
            if (form->VfoBandOfRow(row) == band)
                return row;
        return 1;
    }

    QString Path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    std::unique_ptr<TMainForm> form;
    QStringList messages;
};

} // namespace

TEST_F(HostileMainWindowTest, OpeningSpecialFilesGivesFileOpenErrorWithTheReason)
{
    const QString fifo = Path(QStringLiteral("f.381"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zero = Path(QStringLiteral("z.381"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    const QString null = Path(QStringLiteral("n.381"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), null));
    const QString folder = Path(QStringLiteral("d.381"));
    ASSERT_TRUE(QDir().mkdir(folder));

    form->Document().SetMemoryRecord(5, QStringLiteral("005,00145000000,5,0,0,0,0,,09,,09,,0,,,,,"));
    const struct {
        QString path;
        QString reason;
    } cases[] = {
        {fifo, QStringLiteral("a FIFO, not a regular file")},
        {zero, QStringLiteral("a character device, not a regular file")},
        {null, QStringLiteral("a character device, not a regular file")},
        {folder, QStringLiteral("a directory, not a regular file")},
        {Path(QStringLiteral("net.txt")), QStringLiteral("the name does not end in \".381\"")},
    };
    for (const auto &c : cases) {
        messages.clear();
        EXPECT_FALSE(form->OpenFile(c.path));
        EXPECT_EQ(messages, QStringList{QStringLiteral("File Open error.\n%1: %2").arg(c.path, c.reason)});
        // The document, its name and its state are untouched.
        EXPECT_EQ(form->Document().Record(rkMemory, 5).left(3), QStringLiteral("005"));
        EXPECT_EQ(form->FileName(), QStringLiteral("Untitled"));
    }
}

TEST_F(HostileMainWindowTest, HostileClipboardRecordsReachNoRow)
{
    const QString row2Before = form->Document().Record(rkMemory, 2);
    const char *const channelPayloads[] = {
        "002,99999999999,5,0,0,0,0,,09,,09,,0,,,,,",
        "002,12345000000,5,0,0,0,0,,09,,09,,0,,,,,",
        "002,00145000000,Z,9,7,Q,W,,XX,,YY,,0,,,,,OK",
        "002,00145000000XXXXXXXXXXXXXXX",
        "002,00435000000,6,0,0,0,0,,09,,09,,0,,00499999999,6,,",
        // Good frequencies with a bad step or tone code, aimed at the VFO
        // and CALL rows.
        "2,00145000000,Z,0,0,0,0,,09,,09,000600000,,,,,0,",
        "0,00145000000,5,0,0,0,0,,XX,,09,,,,,,,",
        "6,00435000000,6,0,0,0,0,,09,,YY,005000000,,,,,0,",
    };
    for (const char *payload : channelPayloads) {
        SCOPED_TRACE(payload);
        Offer(QLatin1String(payload));
        EXPECT_TRUE(form->Document().ClipboardBuffer().isEmpty());
        for (const auto &[grid, row] : {std::pair{1, 2}, std::pair{2, VfoRowOfBand(1)},
                                        std::pair{2, VfoRowOfBand(3)}, std::pair{3, 1}, std::pair{3, 2}}) {
            Activate(grid, row);
            EXPECT_FALSE(form->Paste1->isEnabled()) << grid << " " << row;
            form->Paste1Click();
        }
        EXPECT_EQ(form->Document().Record(rkMemory, 2), row2Before);
        EXPECT_EQ(form->Modified(), 0);
    }

    Offer(QStringLiteral("00,XYZ<>?!"));
    Activate(4, 1);
    EXPECT_FALSE(form->Paste1->isEnabled());
    form->Paste1Click();
    EXPECT_TRUE(form->Document().Record(rkDtmf, 0).isEmpty());

    // A valid record still passes; a hostile one after it empties the
    // staging buffer, so the valid one is not pasted in its place.
    Offer(QStringLiteral("010,00145000000,0,0,1,1,0,,09,,12,,1,,00145600000,0,,AB.C"));
    Activate(1, 2);
    EXPECT_TRUE(form->Paste1->isEnabled());
    Offer(QStringLiteral("002,00145000000,Z,9,7,Q,W,,XX,,YY,,0,,,,,OK"));
    Activate(1, 2);
    EXPECT_FALSE(form->Paste1->isEnabled());
    form->Paste1Click();
    EXPECT_EQ(form->Document().Record(rkMemory, 2), row2Before);
}

TEST_F(HostileMainWindowTest, RowChangesNeverAskTheClipboard)
{
    QString text = QStringLiteral("010,00145000000,0,0,1,1,0,,09,,12,,1,,,,,");
    text.replace(QLatin1Char(','), QLatin1Char('\t'));
    QApplication::clipboard()->setMimeData(new CountingMimeData(text.toLatin1() + QByteArray(1, '\0')));
    // The change itself is read once.
    EXPECT_EQ(form->Document().ClipboardBuffer().left(3), QStringLiteral("010"));
    const int afterChange = CountingMimeData::reads;
    EXPECT_GT(afterChange, 0);

    for (int grid = 1; grid <= 4; ++grid) {
        Activate(grid, 1);
        for (int row = 1; row <= 2; ++row) {
            form->SelectRow(grid, row);
            form->Grid(grid)->setCurrentCell(row, 1);
        }
    }
    form->UpdateEditCommands();
    // Moving between rows and lists asked the clipboard nothing.
    EXPECT_EQ(CountingMimeData::reads, afterChange);
    // Becoming active again reads it (it may have changed meanwhile).
    form->ReadClipboardRecord();
    EXPECT_GT(CountingMimeData::reads, afterChange);
}
