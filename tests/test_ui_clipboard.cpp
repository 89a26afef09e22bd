// Cut, Copy, Paste and Delete on the main window's lists: the clipboard
// payload, the enabling rule and the record rebuilt for each target kind.
#include "data/ChannelDocument.h"
#include "ui/main/MainForm.h"
#include "ui/seam/Dialogs.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QMimeData>
#include <QTableWidget>
#include <QToolButton>

#include <memory>

namespace {

const QString kRecordMime = QStringLiteral("application/x-vxl-r381-record");

// A 145 MHz memory channel with tone, CTCSS, lock-out, a split pair and a name.
const QString kSplitChannel =
    QStringLiteral("010,00145000000,0,0,1,1,0,,09,,12,,1,,00145600000,0,,AB.C");

class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TMainForm>();
        Dialogs::SetMessageResponder([this](const Dialogs::MessageRequest &request) {
            messages.push_back(request);
            return Dialogs::Answer::Ok;
        });
        QApplication::clipboard()->clear();
        SetRadio(QStringLiteral("0,2,00,1,1,,"));
    }

    void TearDown() override
    {
        Dialogs::ResetResponders();
        form.reset();
        QApplication::clipboard()->clear();
    }

    TChannelDocument &Doc() { return form->Document(); }

    // Radio type with the default limits of the bands it has, a fresh
    // document and lists built for it.
    void SetRadio(const QString &type)
    {
        static const char *const kLimits[] = {"00118,00135", "00136,00173", "00300,00399",
                                              "00410,00469", "00800,00999"};
        Doc().SetRadioType(type);
        const QStringList fields = type.split(QLatin1Char(','));
        auto field = [&](int n) { return n < fields.size() ? fields.at(n) : QString(); };
        const bool present[5] = {field(4) == QLatin1String("1"), true, field(5) == QLatin1String("1"), true,
                                 field(6) == QLatin1String("1") || field(6) == QLatin1String("2")};
        for (int band = 0; band < 5; ++band)
            Doc().SetBandLimit(band, present[band] ? QString::fromLatin1(kLimits[band]) : QString());
        Doc().ResetDocument();
        form->RebuildVfoRows();
        form->RefreshGrids();
        form->SetModified(0);
    }

    // Makes a list the active one the way the user does: it gets the focus.
    void Activate(int grid, int row)
    {
        QFocusEvent focus(QEvent::FocusIn, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(form->Grid(grid), &focus);
        ASSERT_EQ(form->ActiveGrid(), grid);
        form->SelectRow(grid, row);
        form->UpdateEditCommands();
    }

    int VfoRowOfBand(int band)
    {
        for (int row = 1; row < form->Grid(2)->rowCount(); ++row)
            if (form->VfoBandOfRow(row) == band)
                return row;
        ADD_FAILURE() << "no VFO row for band " << band;
        return 1;
    }

    // Puts a record on the clipboard as another running copy would.
    void Offer(const QString &record)
    {
        QString text = record;
        text.replace(QLatin1Char(','), QLatin1Char('\t'));
        OfferBytes(text.toLatin1() + QByteArray(1, '\0'));
    }
    void OfferBytes(const QByteArray &payload)
    {
        auto *data = new QMimeData;
        data->setData(kRecordMime, payload);
        QApplication::clipboard()->setMimeData(data);
        form->UpdateEditCommands();
    }

    QByteArray ClipboardPayload()
    {
        const QMimeData *data = QApplication::clipboard()->mimeData();
        return data ? data->data(kRecordMime) : QByteArray();
    }

    bool PasteEnabled()
    {
        const bool enabled = form->Paste1->isEnabled();
        EXPECT_EQ(form->SpeedButton3->isEnabled(), enabled);
        const bool channelList = form->ActiveGrid() == 2 || form->ActiveGrid() == 3;
        EXPECT_EQ((channelList ? form->Paste3 : form->Paste2)->isEnabled(), enabled);
        EXPECT_FALSE((channelList ? form->Paste2 : form->Paste3)->isEnabled());
        return enabled;
    }

    // Pastes the clipboard record into a row and returns what it stored.
    QString PasteInto(int grid, int row)
    {
        Activate(grid, row);
        EXPECT_TRUE(PasteEnabled()) << "grid " << grid << " row " << row;
        form->Paste1Click();
        return SlotText(grid, row);
    }

    QString SlotText(int grid, int row)
    {
        switch (grid) {
        case 1: return Doc().Record(rkMemory, row);
        case 2: return Doc().Record(rkVfo, form->VfoBandOfRow(row));
        case 3: return Doc().Record(rkCall, row - 1);
        default: return Doc().Record(rkDtmf, row - 1);
        }
    }

    bool PasteableAnywhere()
    {
        bool any = false;
        Activate(1, 5);
        any |= PasteEnabled();
        for (int row = 1; row < form->Grid(2)->rowCount(); ++row) {
            Activate(2, row);
            any |= PasteEnabled();
        }
        for (int row = 1; row <= 2; ++row) {
            Activate(3, row);
            any |= PasteEnabled();
        }
        Activate(4, 3);
        any |= PasteEnabled();
        return any;
    }

    std::unique_ptr<TMainForm> form;
    std::vector<Dialogs::MessageRequest> messages;
};

} // namespace

TEST_F(ClipboardTest, CopyPutsTheTabSeparatedRecordOnTheClipboard)
{
    const QString record = Doc().Record(rkMemory, 1);
    ASSERT_FALSE(record.isEmpty());
    Activate(1, 1);
    form->Copy1Click();

    QString expected = record;
    expected.replace(QLatin1Char(','), QLatin1Char('\t'));
    EXPECT_EQ(ClipboardPayload(), expected.toLatin1() + QByteArray(1, '\0'));
    EXPECT_EQ(Doc().ClipboardBuffer(), record);
    EXPECT_EQ(Doc().Record(rkMemory, 1), record);
    EXPECT_EQ(form->Modified(), 0);
    EXPECT_TRUE(PasteEnabled());
    EXPECT_TRUE(form->Copy1->isEnabled());

    // The VFO list copies the record of the row's band, the DTMF list its slot.
    Activate(2, VfoRowOfBand(3));
    form->Copy1Click();
    EXPECT_TRUE(ClipboardPayload().startsWith("6\t00440000000\t"));
    Doc().SetDtmfRecord(2, QStringLiteral("02,12*#"));
    Activate(4, 3);
    form->Copy1Click();
    EXPECT_EQ(ClipboardPayload(), QByteArray("02\t12*#", 8));
}

TEST_F(ClipboardTest, CopyingAnEmptyRowLeavesNothingToPaste)
{
    Activate(1, 1);
    form->Copy1Click();
    ASSERT_TRUE(PasteEnabled());

    Activate(1, 2);
    form->Copy1Click();
    EXPECT_EQ(ClipboardPayload(), QByteArray(1, '\0'));
    EXPECT_TRUE(Doc().ClipboardBuffer().isEmpty());
    EXPECT_FALSE(PasteableAnywhere());
}

TEST_F(ClipboardTest, ForeignDataKeepsTheLastRecordAndMalformedRecordsDisablePaste)
{
    Offer(kSplitChannel);
    ASSERT_EQ(Doc().ClipboardBuffer(), kSplitChannel);

    // Another program copied text.
    QApplication::clipboard()->setText(QStringLiteral("hello"));
    form->UpdateEditCommands();
    EXPECT_EQ(Doc().ClipboardBuffer(), kSplitChannel);
    EXPECT_TRUE(PasteEnabled());

    // Our format, but a record this program could never have copied
    // (longer than the staging buffer, line breaks, more fields than a
    // record has, a frequency outside the band limits, a band the radio
    // lacks): the staging buffer is emptied and Paste is disabled, so the
    // record copied before is never pasted in its place.
    const QByteArray refused[] = {
        QByteArray(101, '1'),
        QByteArray("010\t00145000000\t0\r\n\t0\t0"),
        "011\t00145000000\t0" + QByteArray(83, '\t'),
        "011\t00180000000\t0\t0\t0\t0\t0\t\t09\t\t09\t\t0\t\t\t\t\t",
        "011\t00340000000\t0\t0\t0\t0\t0\t\t09\t\t09\t\t0\t\t\t\t\t",
    };
    for (const QByteArray &payload : refused) {
        Offer(kSplitChannel);
        ASSERT_EQ(Doc().ClipboardBuffer(), kSplitChannel);
        OfferBytes(payload);
        EXPECT_TRUE(Doc().ClipboardBuffer().isEmpty()) << payload.constData();
        EXPECT_FALSE(PasteableAnywhere()) << payload.constData();
        Activate(1, 61);
        form->Paste1Click();
        EXPECT_TRUE(Doc().Record(rkMemory, 61).isEmpty()) << payload.constData();
    }
    // A payload without its NUL is read too.
    OfferBytes("011\t00145000000\t0\t0\t0\t0\t0\t\t09\t\t09\t\t0\t\t\t\t\t");
    EXPECT_EQ(Doc().ClipboardBuffer(), QStringLiteral("011,00145000000,0,0,0,0,0,,09,,09,,0,,,,,"));
}

TEST_F(ClipboardTest, PasteIntoOrdinaryAndNamedMemoryRows)
{
    Offer(kSplitChannel);

    EXPECT_EQ(PasteInto(1, 20), QStringLiteral("020,00145000000,0,0,1,1,0,,09,,12,,1,,00145600000,0,,AB.C"));
    EXPECT_EQ(form->Modified(), 1);
    // The staging buffer stays: the same record pastes again.
    EXPECT_EQ(PasteInto(1, 180), QStringLiteral("180,00145000000,0,0,1,1,0,,09,,12,,1,,00145600000,0,,AB.C"));
    // "L1".."U6" and "PR" hold no split channel: it would transmit on its
    // receive frequency there, so it is not pasted, and the Paste button
    // says why.
    for (int slot : {181, 192, 193}) {
        Activate(1, slot);
        EXPECT_FALSE(PasteEnabled()) << slot;
        EXPECT_TRUE(form->SpeedButton3->toolTip().contains("cannot hold the split channel 145.000/145.600 MHz"))
            << form->SpeedButton3->toolTip().toStdString();
        form->Paste1Click();
        EXPECT_TRUE(Doc().Record(rkMemory, slot).isEmpty()) << slot;
    }
    // "L1".."U6": lock-out "0", no name; "PR" keeps a valid name only.
    Offer(QStringLiteral("010,00145000000,0,0,1,1,0,,09,,12,,1,,,,,AB.C"));
    EXPECT_EQ(PasteInto(1, 181), QStringLiteral("L1,00145000000,0,0,1,1,0,,09,,12,,0,,,,,"));
    EXPECT_EQ(PasteInto(1, 192), QStringLiteral("U6,00145000000,0,0,1,1,0,,09,,12,,0,,,,,"));
    EXPECT_EQ(PasteInto(1, 193), QStringLiteral("PR,00145000000,0,0,1,1,0,,09,,12,,0,,,,,AB.C"));
    EXPECT_EQ(form->SpeedButton3->toolTip(), "Paste");
    // A name that breaks the name rule is dropped; the channel pastes.
    for (const char *name : {"abc", "ABCDEFG.", "lower"}) {
        Offer(QStringLiteral("011,00145000000,0,0,0,0,0,,09,,09,,,,,,,") + QLatin1String(name));
        EXPECT_EQ(PasteInto(1, 40), QStringLiteral("040,00145000000,0,0,0,0,0,,09,,09,,0,,,,,")) << name;
        EXPECT_EQ(PasteInto(1, 193), QStringLiteral("PR,00145000000,0,0,0,0,0,,09,,09,,0,,,,,")) << name;
    }
    Offer(QStringLiteral("011,00145000000,0,0,0,0,0,,09,,09,,,,,,,"));
    EXPECT_EQ(PasteInto(1, 193), QStringLiteral("PR,00145000000,0,0,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_EQ(PasteInto(1, 30), QStringLiteral("030,00145000000,0,0,0,0,0,,09,,09,,0,,,,,"));

    // A VFO record loses its offset and power in a memory row.
    Offer(QStringLiteral("2,00145000000,0,2,0,0,0,,09,,09,000600000,,,,,1,"));
    EXPECT_EQ(PasteInto(1, 3), QStringLiteral("003,00145000000,0,2,0,0,0,,09,,09,,0,,,,,"));
}

TEST_F(ClipboardTest, PasteAdjustsStepShiftAndSplit)
{
    // 30 kHz becomes 10 kHz, 100 kHz becomes 50 kHz outside the 800 MHz band;
    // the split step follows the same rule, so the pair survives.
    Offer(QStringLiteral("012,00145000000,7,0,0,0,0,,09,,09,,0,,00145600000,7,,"));
    EXPECT_EQ(PasteInto(1, 12), QStringLiteral("012,00145000000,2,0,0,0,0,,09,,09,,0,,00145600000,2,,"));
    Offer(QStringLiteral("013,00435000000,9,0,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_EQ(PasteInto(1, 13), QStringLiteral("013,00435000000,8,0,0,0,0,,09,,09,,0,,,,,"));

    // A split pair in another band, or with another step, is not pasted:
    // without it the channel would transmit on its receive frequency.
    for (const char *copied : {"014,00145000000,0,0,0,0,0,,09,,09,,0,,00435000000,0,,",
                               "015,00145000000,0,0,0,0,0,,09,,09,,0,,00146000000,3,,"}) {
        Offer(QLatin1String(copied));
        Activate(1, 14);
        EXPECT_FALSE(PasteEnabled()) << copied;
        form->Paste1Click();
        EXPECT_TRUE(Doc().Record(rkMemory, 14).isEmpty()) << copied;
    }

    // The -7.6 MHz shift needs market code 3.
    Offer(QStringLiteral("016,00435000000,6,3,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_EQ(PasteInto(1, 16), QStringLiteral("016,00435000000,6,0,0,0,0,,09,,09,,0,,,,,"));
    SetRadio(QStringLiteral("0,3,00,1,0,0,1"));
    Offer(QStringLiteral("016,00435000000,6,3,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_EQ(PasteInto(1, 16), QStringLiteral("016,00435000000,6,3,0,0,0,,09,,09,,0,,,,,"));

    // On the 800 MHz band 10 kHz becomes 12.5 kHz, 20 kHz and 30 kHz and
    // above become 25 kHz.
    const char *const steps[][2] = {{"2", "3"}, {"5", "6"}, {"7", "6"}, {"9", "6"}, {"0", "0"}, {"3", "3"}};
    for (const auto &step : steps) {
        Offer(QStringLiteral("017,00870000000,%1,0,0,0,0,,09,,09,,0,,,,,").arg(QLatin1String(step[0])));
        EXPECT_EQ(PasteInto(1, 17),
                  QStringLiteral("017,00870000000,%1,0,0,0,0,,09,,09,,0,,,,,").arg(QLatin1String(step[1])))
            << step[0];
    }
}

TEST_F(ClipboardTest, PasteIntoVfoRowsByBand)
{
    SetRadio(QStringLiteral("0,2,00,1,1,1,1"));
    const int vhf = VfoRowOfBand(1);
    const int uhf = VfoRowOfBand(3);

    // A memory record gets the band's default offset and power "0".
    Offer(kSplitChannel);
    EXPECT_EQ(PasteInto(2, vhf), QStringLiteral("2,00145000000,0,0,1,1,0,,09,,12,000600000,,,,,0,"));
    EXPECT_EQ(form->Modified(), 1);
    Activate(2, uhf);
    EXPECT_FALSE(PasteEnabled());

    // A 430 MHz VFO record keeps its offset and power in the UHF row only.
    Offer(QStringLiteral("6,00435000000,6,1,0,0,0,,09,,09,001600000,,,,,2,"));
    Activate(2, vhf);
    EXPECT_FALSE(PasteEnabled());
    EXPECT_EQ(PasteInto(2, uhf), QStringLiteral("6,00435000000,6,1,0,0,0,,09,,09,001600000,,,,,2,"));
    Offer(QStringLiteral("020,00435000000,6,1,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_EQ(PasteInto(2, uhf), QStringLiteral("6,00435000000,6,1,0,0,0,,09,,09,005000000,,,,,0,"));

    // Bands without power: 118, 300 and 800 MHz.
    Offer(QStringLiteral("021,00120000000,3,0,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_EQ(PasteInto(2, VfoRowOfBand(0)), QStringLiteral("1,00120000000,3,0,0,0,0,,09,,09,000600000,,,,,,"));
    Offer(QStringLiteral("022,00340000000,3,0,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_EQ(PasteInto(2, VfoRowOfBand(2)), QStringLiteral("5,00340000000,3,0,0,0,0,,09,,09,005000000,,,,,,"));
    Offer(QStringLiteral("023,00870000000,3,0,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_EQ(PasteInto(2, VfoRowOfBand(4)), QStringLiteral("8,00870000000,3,0,0,0,0,,09,,09,005000000,,,,,,"));

    // Market code 3: 1.6 MHz default offset above the 144 MHz band.
    SetRadio(QStringLiteral("0,3,00,1,0,0,0"));
    Offer(QStringLiteral("020,00435000000,6,0,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_EQ(PasteInto(2, VfoRowOfBand(3)), QStringLiteral("6,00435000000,6,0,0,0,0,,09,,09,001600000,,,,,0,"));
}

TEST_F(ClipboardTest, PasteIntoCallRowsByBand)
{
    Offer(kSplitChannel);
    EXPECT_EQ(PasteInto(3, 1), QStringLiteral("0,00145000000,0,0,1,1,0,,09,,12,,,,00145600000,0,,"));
    EXPECT_EQ(form->Modified(), 1);
    Activate(3, 2);
    EXPECT_FALSE(PasteEnabled());

    // The air band goes to the VHF CALL channel when the radio has it.
    Offer(QStringLiteral("030,00120000000,3,0,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_EQ(PasteInto(3, 1), QStringLiteral("0,00120000000,3,0,0,0,0,,09,,09,,,,,,,"));

    Offer(QStringLiteral("031,00435000000,6,0,0,0,0,,09,,09,,0,,00440000000,6,,"));
    Activate(3, 1);
    EXPECT_FALSE(PasteEnabled());
    EXPECT_EQ(PasteInto(3, 2), QStringLiteral("1,00435000000,6,0,0,0,0,,09,,09,,,,00440000000,6,,"));

    // 300 MHz and 800 MHz records go to the UHF CALL channel when the radio
    // has those bands, 800 MHz only with option '1'.
    SetRadio(QStringLiteral("0,2,00,1,1,1,1"));
    Offer(QStringLiteral("032,00340000000,3,0,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_EQ(PasteInto(3, 2), QStringLiteral("1,00340000000,3,0,0,0,0,,09,,09,,,,,,,"));
    Offer(QStringLiteral("033,00870000000,3,0,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_EQ(PasteInto(3, 2), QStringLiteral("1,00870000000,3,0,0,0,0,,09,,09,,,,,,,"));
    SetRadio(QStringLiteral("0,2,00,1,1,1,2"));
    Offer(QStringLiteral("033,00870000000,3,0,0,0,0,,09,,09,,0,,,,,"));
    Activate(3, 2);
    EXPECT_FALSE(PasteEnabled());
    Activate(1, 33);
    EXPECT_TRUE(PasteEnabled());
}

TEST_F(ClipboardTest, PasteIntoDtmfRows)
{
    Doc().SetDtmfRecord(3, QStringLiteral("03,12AB*#"));
    Activate(4, 4);
    form->Copy1Click();
    EXPECT_EQ(PasteInto(4, 8), QStringLiteral("07,12AB*#"));
    EXPECT_EQ(form->Modified(), 1);
    EXPECT_EQ(PasteInto(4, 1), QStringLiteral("00,12AB*#"));

    // A DTMF record fits no channel row, a channel record no DTMF row.
    Activate(1, 40);
    EXPECT_FALSE(PasteEnabled());
    Activate(3, 1);
    EXPECT_FALSE(PasteEnabled());
    Offer(kSplitChannel);
    Activate(4, 2);
    EXPECT_FALSE(PasteEnabled());

    // A 16-character code fills the slot; one more is no DTMF record: it
    // empties the staging buffer and nothing can be pasted.
    Offer(QStringLiteral("09,0123456789ABCD*#"));
    EXPECT_EQ(PasteInto(4, 10), QStringLiteral("09,0123456789ABCD*#"));
    Offer(QStringLiteral("0,0123456789ABCD*#1"));
    EXPECT_TRUE(Doc().ClipboardBuffer().isEmpty());
    EXPECT_FALSE(PasteEnabled());
}

TEST_F(ClipboardTest, RecordsOutsideTheBandLimitsCannotBePasted)
{
    // Above the 144 MHz band's upper limit.
    Offer(QStringLiteral("040,00180000000,0,0,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_FALSE(PasteableAnywhere());
    // 340 MHz on a radio without the 300 MHz band falls in the UHF band,
    // below its limits.
    Offer(QStringLiteral("041,00340000000,3,0,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_FALSE(PasteableAnywhere());
    // 870 MHz without the 800 MHz band.
    Offer(QStringLiteral("042,00870000000,3,0,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_FALSE(PasteableAnywhere());
    // A band whose limit record is empty admits nothing, not even 000 MHz.
    Doc().SetBandLimit(0, QString());
    Offer(QStringLiteral("043,00000000000,3,0,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_FALSE(PasteableAnywhere());
    // No band at all: the MHz digits are not digits.
    Offer(QStringLiteral("044,00X45000000,0,0,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_FALSE(PasteableAnywhere());
    Offer(QStringLiteral("044,0014500,0,0,0,0,0,,09,,09,,0,,,,,,,,,,"));
    EXPECT_FALSE(PasteableAnywhere());

    // A disabled paste changes nothing when run anyway.
    const QString before = Doc().Record(rkMemory, 44);
    Activate(1, 44);
    form->Paste1Click();
    EXPECT_EQ(Doc().Record(rkMemory, 44), before);
    EXPECT_EQ(form->Modified(), 0);
}

TEST_F(ClipboardTest, RebuiltRecordsNeverOverflowASlot)
{
    // A long reverse field would make a VFO record longer than a slot holds;
    // no record of this program has one, so it never reaches the buffer.
    const QString record = QStringLiteral("050,00145000000,0,0,") + QString(57, QLatin1Char('1'))
                           + QStringLiteral(",0,0,,09,,09,,0,,,,,");
    ASSERT_EQ(record.size(), 97);
    Offer(record);
    EXPECT_TRUE(Doc().ClipboardBuffer().isEmpty());
    Activate(2, VfoRowOfBand(1));
    EXPECT_FALSE(PasteEnabled());
    const QString vfoBefore = Doc().Record(rkVfo, 1);
    form->Paste1Click();
    EXPECT_EQ(Doc().Record(rkVfo, 1), vfoBefore);
    EXPECT_EQ(form->Modified(), 0);

    // The longest record the check admits fits every target.
    const QString longest = QStringLiteral("050,00145000000,0,0,1,1,0,,09,,12,000600000,1,,00145600000,0,3,A.B.C.D");
    Offer(longest);
    ASSERT_EQ(Doc().ClipboardBuffer(), longest);
    EXPECT_LE(PasteInto(1, 50).size(), kRecordCapacity);
    EXPECT_LE(PasteInto(2, VfoRowOfBand(1)).size(), kRecordCapacity);
    EXPECT_LE(PasteInto(3, 1).size(), kRecordCapacity);
}

TEST_F(ClipboardTest, CutAndDeleteInMemoryAndDtmfLists)
{
    Doc().SetMemoryRecord(7, kSplitChannel);
    Activate(1, 7);
    EXPECT_TRUE(form->Cut1->isEnabled());
    EXPECT_TRUE(form->Cut2->isEnabled());
    EXPECT_TRUE(form->SpeedButton2->isEnabled());
    EXPECT_TRUE(form->Delete1->isEnabled());
    EXPECT_TRUE(form->Delete2->isEnabled());

    form->Cut1Click();
    EXPECT_TRUE(Doc().Record(rkMemory, 7).isEmpty());
    EXPECT_EQ(form->Modified(), 1);
    EXPECT_TRUE(ClipboardPayload().startsWith("010\t00145000000\t"));
    EXPECT_TRUE(PasteEnabled());
    EXPECT_EQ(PasteInto(1, 8), QStringLiteral("008,00145000000,0,0,1,1,0,,09,,12,,1,,00145600000,0,,AB.C"));

    Doc().SetDtmfRecord(5, QStringLiteral("05,999"));
    Activate(4, 6);
    form->Cut1Click();
    EXPECT_TRUE(Doc().Record(rkDtmf, 5).isEmpty());
    EXPECT_EQ(ClipboardPayload(), QByteArray("05\t999", 7));

    // Delete clears the slot and leaves the clipboard alone.
    form->SetModified(0);
    Activate(1, 8);
    form->Delete1Click();
    EXPECT_TRUE(Doc().Record(rkMemory, 8).isEmpty());
    EXPECT_EQ(form->Modified(), 1);
    EXPECT_EQ(ClipboardPayload(), QByteArray("05\t999", 7));
    Doc().SetDtmfRecord(0, QStringLiteral("00,1"));
    Activate(4, 1);
    form->Delete1Click();
    EXPECT_TRUE(Doc().Record(rkDtmf, 0).isEmpty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(ClipboardTest, CutAndDeleteAreRefusedOnVfoAndCallLists)
{
    Offer(kSplitChannel);
    for (int grid : {2, 3}) {
        const int row = grid == 2 ? VfoRowOfBand(1) : 1;
        Activate(grid, row);
        EXPECT_FALSE(form->Cut1->isEnabled());
        EXPECT_FALSE(form->Cut2->isEnabled());
        EXPECT_FALSE(form->SpeedButton2->isEnabled());
        EXPECT_FALSE(form->Delete1->isEnabled());
        EXPECT_FALSE(form->Delete2->isEnabled());
        EXPECT_TRUE(form->Copy1->isEnabled());
        EXPECT_TRUE(form->Copy3->isEnabled());
        EXPECT_TRUE(PasteEnabled());

        const QString before = SlotText(grid, row);
        for (auto command : {&TMainForm::Cut1Click, &TMainForm::Delete1Click}) {
            messages.clear();
            (form.get()->*command)();
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].text, QStringLiteral("Invalid function."));
            EXPECT_EQ(messages[0].caption, QStringLiteral("VXL-R381"));
            EXPECT_EQ(messages[0].icon, Dialogs::Icon::Information);
            EXPECT_EQ(messages[0].buttons, Dialogs::Buttons::Ok);
            EXPECT_EQ(SlotText(grid, row), before);
        }
        // The clipboard is untouched.
        EXPECT_EQ(Doc().ClipboardBuffer(), kSplitChannel);
    }
}
