// The memory channel dialog driven through its controls.
#include "data/DataFile.h"
#include "data/BandPlan.h"
#include "data/FrequencyRules.h"
#include "data/MemoryChannel.h"
#include "support/EditorFixture.h"
#include "support/RadioImage.h"
#include "ui/editors/CALL.h"
#include "ui/editors/DTMF.h"
#include "ui/editors/Memory.h"
#include "ui/editors/UpDown.h"
#include "ui/editors/VFO.h"
#include "support/TestWindows.h"
#include "ui/main/MainForm.h"

#include <QApplication>
#include <QFile>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>

#include <functional>

using namespace ShownText;

namespace {

class MemoryEditor : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        dlg = std::make_unique<TMemory>(Host());
    }
    void TearDown() override
    {
        dlg.reset();
        EditorFixture::TearDown();
    }

    void Open(int slot)
    {
        Select(1, slot);
        dlg->show();
        ASSERT_EQ(dlg->CurrentSlot(), slot);
    }
    QString Stored(int slot) { return Doc().Record(rkMemory, slot); }
    // Clicks near the left edge, on the indicator and caption.
    static void Click(QWidget *button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2)); }
    static QColor Base(QWidget *w) { return w->palette().color(QPalette::Base); }
    static QColor AppColour(QWidget *w, QPalette::ColorRole role) { return QApplication::palette(w).color(role); }

    std::unique_ptr<TMemory> dlg;
};

TEST_F(MemoryEditor, EveryChannelOfTheDemoFileIsOneTheEditorKeepsAsItIs)
{
    // The shipped demo radio holds only channels this radio can hold: OK on
    // each, without a change, stores it unchanged and says nothing.
    QFile file(QStringLiteral(VXL_GOLDEN_DIR "/../../tools/demo/demo-radio.381"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    Doc().ResetDocument();
    ASSERT_TRUE(ReadDataFile(file.readAll(), Doc(), nullptr));
    int channels = 0;
    for (int slot = 1; slot <= kLastMemorySlot; ++slot) {
        const QString record = Stored(slot);
        if (record.size() <= 4)
            continue;
        ++channels;
        Open(slot);
        Click(dlg->Button2);
        EXPECT_EQ(Stored(slot), record) << slot;
        EXPECT_TRUE(TakeMessages().isEmpty()) << slot;
    }
    EXPECT_GT(channels, 5);
}

TEST_F(MemoryEditor, EmptySlotLoadsTheVhfDefaultsOfTheRadioType)
{
    Open(2);
    EXPECT_EQ(dlg->windowTitle(), "Memory Channel");
    EXPECT_EQ(dlg->Edit6->text(), "2");
    EXPECT_EQ(dlg->Edit1->text(), "144.000");
    EXPECT_EQ(dlg->ComboBox3->currentText(), "5kHz");
    EXPECT_EQ(dlg->ComboBox1->currentText(), "88.5Hz");
    EXPECT_EQ(dlg->ComboBox2->currentText(), "88.5Hz");
    EXPECT_TRUE(dlg->RadioButton1->isChecked());
    EXPECT_FALSE(dlg->Edit3->isEnabled());
    EXPECT_EQ(dlg->Edit3->text(), "144.000");
    EXPECT_EQ(Base(dlg->Edit3), AppColour(dlg->Edit3, QPalette::Button));
    EXPECT_TRUE(dlg->CheckBox4->isEnabled());
    EXPECT_FALSE(dlg->CheckBox4->isChecked());
    EXPECT_TRUE(dlg->RadioButton4->isEnabled());
    EXPECT_TRUE(dlg->RadioButton5->isHidden());
    EXPECT_TRUE(dlg->Edit5->text().isEmpty());
    EXPECT_TRUE(dlg->Edit5->isEnabled());
    EXPECT_FALSE(dlg->ContentsChanged());
    dlg->hide();

    // Every showing loads again, with the defaults of the present type.
    SetRadioType("0,0,00,1,1,,");
    Open(2);
    EXPECT_EQ(dlg->Edit1->text(), "145.000");
    EXPECT_EQ(dlg->ComboBox3->currentText(), "20kHz");
    dlg->hide();
    SetRadioType("0,1,00,1,1,,");
    Open(3);
    EXPECT_EQ(dlg->Edit1->text(), "144.000");
    EXPECT_EQ(dlg->ComboBox3->currentText(), "12.5kHz");
}

TEST_F(MemoryEditor, EveryControlIsWrittenIntoItsField)
{
    Open(5);
    Type(dlg->Edit1, "145.5");
    Pick(dlg->ComboBox3, "12.5kHz");
    Click(dlg->RadioButton2);
    Click(dlg->CheckBox4);
    Click(dlg->CheckBox1);
    Pick(dlg->ComboBox1, "100.0Hz");
    Pick(dlg->ComboBox2, "67.0Hz");
    Type(dlg->Edit5, "ab.c");
    Click(dlg->CheckBox3);
    EXPECT_TRUE(dlg->ContentsChanged());
    Click(dlg->Button2);

    EXPECT_EQ(Stored(5), "005,00145500000,3,1,1,1,0,,13,,01,,1,,,,,AB.C");
    EXPECT_EQ(Host().Modified(), 1);
    EXPECT_EQ(Host().refreshes, 1); // the lists show the stored record
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(TakeMessages().isEmpty());

    // Minus shift and a name-less, unlocked channel end with field 16's comma.
    Open(6);
    Click(dlg->RadioButton3);
    Click(dlg->Button2);
    EXPECT_EQ(Stored(6), "006,00144000000,0,2,0,0,0,,09,,09,,0,,,,,");
}

TEST_F(MemoryEditor, SplitChannelLoadsWithoutReverseAndWritesTheTransmitFrequency)
{
    Doc().SetMemoryRecord(10, "010,00145000000,3,0,1,0,0,,09,,09,,0,,00145600000,3,,NAME");
    Open(10);
    EXPECT_TRUE(dlg->RadioButton4->isChecked());
    EXPECT_TRUE(dlg->Edit3->isEnabled());
    EXPECT_TRUE(dlg->Label5->isEnabled());
    EXPECT_EQ(Base(dlg->Edit3), AppColour(dlg->Edit3, QPalette::Base));
    EXPECT_EQ(dlg->Edit3->text(), "145.600");
    EXPECT_FALSE(dlg->CheckBox4->isChecked());
    EXPECT_FALSE(dlg->CheckBox4->isEnabled());
    EXPECT_EQ(dlg->Edit5->text(), "NAME");

    // Unchanged, it is written back with Reverse off.
    Click(dlg->Button2);
    EXPECT_EQ(Stored(10), "010,00145000000,3,0,0,0,0,,09,,09,,0,,00145600000,3,,NAME");

    // Simplex disables the transmit group and gives Reverse back.
    Open(10);
    Click(dlg->RadioButton1);
    EXPECT_FALSE(dlg->Edit3->isEnabled());
    EXPECT_EQ(Base(dlg->Edit3), AppColour(dlg->Edit3, QPalette::Button));
    EXPECT_TRUE(dlg->CheckBox4->isEnabled());
    Click(dlg->CheckBox4);
    Click(dlg->Button2);
    EXPECT_EQ(Stored(10), "010,00145000000,3,0,1,0,0,,09,,09,,0,,,,,NAME");
}

TEST_F(MemoryEditor, ToneAndCtcssExcludeEachOther)
{
    Doc().SetMemoryRecord(7, "007,00145000000,0,0,0,1,1,,02,,39,,0,,,,,");
    Open(7);
    EXPECT_TRUE(dlg->CheckBox2->isChecked());
    EXPECT_FALSE(dlg->CheckBox1->isChecked());
    EXPECT_EQ(dlg->ComboBox1->currentText(), "71.9Hz");
    EXPECT_EQ(dlg->ComboBox2->currentText(), "250.3Hz");

    Click(dlg->CheckBox1);
    EXPECT_TRUE(dlg->CheckBox1->isChecked());
    EXPECT_FALSE(dlg->CheckBox2->isChecked());
    QTest::keyClick(dlg->CheckBox2, Qt::Key_Space);
    EXPECT_TRUE(dlg->CheckBox2->isChecked());
    EXPECT_FALSE(dlg->CheckBox1->isChecked());

    // The lists were not touched: code "02", which the list cannot show,
    // stays as stored.
    Click(dlg->Button2);
    EXPECT_EQ(Stored(7), "007,00145000000,0,0,0,0,1,,02,,39,,0,,,,,");
}

TEST_F(MemoryEditor, StoredStepCodeTheListCannotShowSurvivesUntilAStepIsChosen)
{
    // 30 kHz (code "7") has no list entry: the list shows the default, a
    // split channel keeps the code in both step fields, and 145.030 MHz
    // (on the 30 kHz raster, not on 12.5 kHz) does not move.
    Doc().SetMemoryRecord(9, "009,00145030000,7,0,0,0,0,,09,,09,,0,,00145090000,7,,RPT");
    Open(9);
    Type(dlg->Edit5, "RPT2");
    Click(dlg->Button2);
    EXPECT_EQ(Stored(9), "009,00145030000,7,0,0,0,0,,09,,09,,0,,00145090000,7,,RPT2");

    Open(9);
    Pick(dlg->ComboBox3, "25kHz");
    Type(dlg->Edit1, "145.050");
    Type(dlg->Edit3, "145.100");
    Click(dlg->Button2);
    EXPECT_EQ(Stored(9), "009,00145050000,6,0,0,0,0,,09,,09,,0,,00145100000,6,,RPT2");
}

TEST_F(MemoryEditor, ANewChannelTakesAStepThatHoldsItsFrequency)
{
    // 145.6125 MHz into an empty slot, the list showing the 5 kHz default:
    // the channel keeps its frequency on the 12.5 kHz step, without a word.
    Open(2);
    ASSERT_EQ(dlg->ComboBox3->currentText(), "5kHz");
    Type(dlg->Edit1, "145.6125");
    Click(dlg->Button2);
    EXPECT_TRUE(TakeMessages().isEmpty());
    EXPECT_EQ(Stored(2), "002,00145612500,3,0,0,0,0,,09,,09,,0,,,,,");

    // A step the user picks is the user's: the frequency is rounded to it.
    Open(4);
    Pick(dlg->ComboBox3, "10kHz");
    Type(dlg->Edit1, "145.6125");
    Click(dlg->Button2);
    EXPECT_EQ(TakeMessages(), QStringList{Rounded + "\n145.6125 MHz -> 145.610 MHz"});
    EXPECT_EQ(Stored(4), "004,00145610000,2,0,0,0,0,,09,,09,,0,,,,,");

    // A split channel takes a step that holds both frequencies.
    Open(5);
    Type(dlg->Edit1, "145.6125");
    Click(dlg->RadioButton4);
    Type(dlg->Edit3, "145.0250");
    Click(dlg->Button2);
    EXPECT_TRUE(TakeMessages().isEmpty());
    EXPECT_EQ(Stored(5), "005,00145612500,3,0,0,0,0,,09,,09,,0,,00145025000,3,,");
}

TEST_F(MemoryEditor, StoredToneCodesSurviveAnEditOfOtherFieldsButNotAChoiceInTheirList)
{
    // 69.4 Hz (code "02") has no entry in the lists, which show 71.9 Hz.
    Doc().SetMemoryRecord(8, "008,00145000000,0,0,0,1,0,,02,,02,,0,,,,,RPT");
    Open(8);
    EXPECT_EQ(dlg->ComboBox1->currentText(), "71.9Hz");
    Type(dlg->Edit5, "RPT2");
    Click(dlg->RadioButton2);
    Click(dlg->Button2);
    EXPECT_EQ(Stored(8), "008,00145000000,0,1,0,1,0,,02,,02,,0,,,,,RPT2");

    // Choosing an entry in one list writes that entry; the other list keeps
    // its stored code.
    Open(8);
    Pick(dlg->ComboBox2, "100.0Hz");
    Click(dlg->Button2);
    EXPECT_EQ(Stored(8), "008,00145000000,0,1,0,1,0,,02,,13,,0,,,,,RPT2");

    // Choosing away and back to the shown entry is a choice of that entry.
    Open(8);
    Pick(dlg->ComboBox1, "74.4Hz");
    Pick(dlg->ComboBox1, "71.9Hz");
    Click(dlg->Button2);
    EXPECT_EQ(Stored(8), "008,00145000000,0,1,0,1,0,,03,,13,,0,,,,,RPT2");

    // A code outside the table is not kept: the list's default goes back.
    Doc().SetMemoryRecord(9, "009,00145000000,0,0,0,0,0,,77,,x,,0,,,,,");
    Open(9);
    Click(dlg->Button2);
    EXPECT_EQ(Stored(9), "009,00145000000,0,0,0,0,0,,09,,09,,0,,,,,");
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(MemoryEditor, PairSlotsTakeNoNameOrLockOutAndPrTakesOnlyAName)
{
    Doc().SetMemoryRecord(184, "U2,00145000000,0,0,0,0,0,,09,,09,,0,,,,,XYZ");
    Open(184);
    EXPECT_EQ(dlg->Edit6->text(), "U2");
    EXPECT_TRUE(dlg->Edit5->text().isEmpty());
    EXPECT_FALSE(dlg->Edit5->isEnabled());
    EXPECT_FALSE(dlg->Label11->isEnabled());
    EXPECT_EQ(Base(dlg->Edit5), AppColour(dlg->Edit5, QPalette::Button));
    EXPECT_EQ(dlg->GroupBox3->palette().color(QPalette::WindowText), AppColour(dlg->GroupBox3, QPalette::Dark));
    EXPECT_EQ(dlg->Label11->palette().color(QPalette::WindowText), AppColour(dlg->GroupBox3, QPalette::Dark));
    EXPECT_FALSE(dlg->CheckBox3->isEnabled());
    EXPECT_FALSE(dlg->RadioButton4->isEnabled());
    Type(dlg->Edit1, "146");
    Click(dlg->Button2);
    EXPECT_EQ(Stored(184), "U2,00146000000,0,0,0,0,0,,09,,09,,0,,,,,");

    Open(193);
    EXPECT_EQ(dlg->Edit6->text(), "PR");
    EXPECT_TRUE(dlg->Edit5->isEnabled());
    EXPECT_EQ(Base(dlg->Edit5), AppColour(dlg->Edit5, QPalette::Base));
    EXPECT_EQ(dlg->GroupBox3->palette().color(QPalette::WindowText),
              AppColour(dlg->GroupBox3, QPalette::ButtonText));
    EXPECT_FALSE(dlg->CheckBox3->isEnabled());
    // ...and looks disabled: its text has the disabled colour, not the
    // group's button-text colour.
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) {
        const QColor disabled = QApplication::palette(dlg->CheckBox3).color(QPalette::Disabled, role);
        ASSERT_NE(disabled, AppColour(dlg->GroupBox3, QPalette::ButtonText));
        EXPECT_EQ(dlg->CheckBox3->palette().color(QPalette::Disabled, role), disabled) << role;
    }
    EXPECT_FALSE(dlg->RadioButton4->isEnabled());
    Type(dlg->Edit5, "pr 1");
    Click(dlg->Button2);
    EXPECT_EQ(Stored(193), "PR,00144000000,0,0,0,0,0,,09,,09,,0,,,,,PR 1");
}

TEST_F(MemoryEditor, OutOfRangeFrequenciesAreClampedAndRoundedWithANotice)
{
    Open(1);
    Type(dlg->Edit1, "145.0037");
    Click(dlg->Button2);
    // The nearer channel of the step (not simply the lower one); the
    // message names the frequency before and after.
    EXPECT_EQ(TakeMessages(), QStringList{Rounded + "\n145.0037 MHz -> 145.005 MHz"});
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 1, 1), "00145005000");
    EXPECT_FALSE(dlg->isVisible());

    // With the air band, a split transmit frequency is clamped into the
    // receive frequency's band.
    Open(3);
    Type(dlg->Edit1, "130.000");
    Pick(dlg->ComboBox3, "12.5kHz");
    Click(dlg->RadioButton4);
    Type(dlg->Edit3, "145.000");
    Click(dlg->Button2);
    EXPECT_EQ(TakeMessages(), QStringList{Rounded + "\n145.000 MHz -> 135.9875 MHz"});
    EXPECT_EQ(Stored(3), "003,00130000000,3,0,0,0,0,,09,,09,,0,,00135987500,3,,");
}

TEST_F(MemoryEditor, EnterAppliesTheFrequencyRulesToBothFields)
{
    Open(1);
    Type(dlg->Edit1, "180");
    QTest::keyClick(dlg->Edit1, Qt::Key_Return);
    EXPECT_EQ(dlg->Edit1->text(), "173.995");
    EXPECT_EQ(dlg->Edit3->text(), "173.995");
    EXPECT_EQ(TakeMessages(), QStringList{Rounded + "\n180.000 MHz -> 173.995 MHz"});
    EXPECT_TRUE(dlg->ContentsChanged());
    EXPECT_TRUE(dlg->isVisible()) << "Enter must never press OK";

    Click(dlg->RadioButton4);
    Type(dlg->Edit3, "500");
    QTest::keyClick(dlg->Edit3, Qt::Key_Enter);
    EXPECT_EQ(dlg->Edit3->text(), "173.995");
    EXPECT_EQ(TakeMessages(), QStringList{Rounded + "\n500.000 MHz -> 173.995 MHz"});

    Type(dlg->Edit1, "1.2.3");
    QTest::keyClick(dlg->Edit1, Qt::Key_Return);
    EXPECT_EQ(TakeMessages(), QStringList{InvalidFrequency});
    EXPECT_EQ(dlg->Edit1->text(), "1.2.3");
}

TEST_F(MemoryEditor, MalformedEntriesAreRefusedAndNothingIsStored)
{
    const QString before = Stored(1);
    Open(1);
    Type(dlg->Edit1, "1.2.3");
    Click(dlg->Button2);
    EXPECT_EQ(TakeMessages(), QStringList{InvalidFrequency});
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(Stored(1), before);
    EXPECT_EQ(Host().Modified(), 1); // set by every attempt

    Type(dlg->Edit1, "145");
    Type(dlg->Edit5, "abcdefgh");
    Click(dlg->Button2);
    EXPECT_EQ(TakeMessages(), QStringList{InvalidName});
    EXPECT_EQ(Stored(1), before);

    // A bad transmit text blocks every commit even after leaving Split.
    Type(dlg->Edit5, "");
    Click(dlg->RadioButton4);
    Type(dlg->Edit3, "14..5");
    Click(dlg->RadioButton1);
    Click(dlg->Button2);
    QTest::keyClick(dlg->Edit1, Qt::Key_Return);
    EXPECT_EQ(TakeMessages(), (QStringList{InvalidFrequency, InvalidFrequency}));
    EXPECT_EQ(Stored(1), before);
}

TEST_F(MemoryEditor, KeyFiltersOfTheTextFields)
{
    Open(1);
    Type(dlg->Edit5, "ab-c/ d.1");
    EXPECT_EQ(dlg->Edit5->text(), "ABC D.1");
    // A decimal comma types the decimal point.
    Type(dlg->Edit1, "14a5,5x");
    EXPECT_EQ(dlg->Edit1->text(), "145.5");
    // Pasted text obeys the same filters.
    dlg->Edit5->selectAll();
    dlg->Edit5->insert("xy-z");
    EXPECT_EQ(dlg->Edit5->text(), "ABC D.1");
    dlg->Edit5->selectAll();
    dlg->Edit5->insert("xyz");
    EXPECT_EQ(dlg->Edit5->text(), "XYZ");
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(MemoryEditor, ChannelNumberFieldGoesToTheTypedSlot)
{
    Doc().SetMemoryRecord(12, "012,00146520000,0,0,0,0,0,,09,,09,,0,,,,,TWELVE");
    Open(1);
    Type(dlg->Edit6, "7");
    EXPECT_EQ(dlg->CurrentSlot(), 7);
    Type(dlg->Edit6, "12");
    EXPECT_EQ(dlg->CurrentSlot(), 12);
    EXPECT_EQ(dlg->Edit1->text(), "146.520");
    EXPECT_EQ(dlg->Edit5->text(), "TWELVE");
    Type(dlg->Edit6, "u3");
    EXPECT_EQ(dlg->CurrentSlot(), 186);
    EXPECT_EQ(dlg->Edit6->text(), "U3");
    Type(dlg->Edit6, "l1");
    EXPECT_EQ(dlg->CurrentSlot(), 181);
    Type(dlg->Edit6, "P");
    EXPECT_TRUE(TakeMessages().isEmpty()) << "a label's first letter is harmless";
    QTest::keyClicks(dlg->Edit6, "R");
    EXPECT_EQ(dlg->CurrentSlot(), 193);

    Type(dlg->Edit6, "0");
    EXPECT_EQ(TakeMessages(), QStringList{InvalidChannel});
    Type(dlg->Edit6, "181"); // passes 1 and 18, then has no target
    EXPECT_EQ(TakeMessages(), QStringList{InvalidChannel});
    EXPECT_EQ(dlg->CurrentSlot(), 18);
    EXPECT_EQ(dlg->Edit6->text(), "181");

    // A dropped character does not swallow the next real change.
    Type(dlg->Edit6, "x");
    EXPECT_EQ(dlg->Edit6->text(), "181");
    QTest::keyClicks(dlg->Edit6, "5");
    EXPECT_EQ(dlg->CurrentSlot(), 5);
    EXPECT_FALSE(dlg->ContentsChanged()) << "moving is not an edit";
}

TEST_F(MemoryEditor, ChannelNumberFieldOffersPendingChanges)
{
    const QString slot9 = Stored(9);
    Open(1);
    Type(dlg->Edit1, "145");
    Answer({Yes});
    Type(dlg->Edit6, "9");
    EXPECT_EQ(TakeMessages(), QStringList{AskOnMove});
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 1, 1), "00145000000");
    EXPECT_EQ(dlg->CurrentSlot(), 9);

    Type(dlg->Edit1, "146");
    Answer({No});
    Type(dlg->Edit6, "2");
    EXPECT_EQ(TakeMessages(), QStringList{AskOnMove});
    EXPECT_EQ(Stored(9), slot9);
    EXPECT_EQ(dlg->CurrentSlot(), 2);
    EXPECT_FALSE(dlg->ContentsChanged());

    // A failing store keeps the slot and the user's entries.
    Type(dlg->Edit1, "1.2.3");
    Answer({Yes});
    Type(dlg->Edit6, "8");
    EXPECT_EQ(TakeMessages(), (QStringList{AskOnMove, InvalidFrequency}));
    EXPECT_EQ(dlg->CurrentSlot(), 2);
    EXPECT_EQ(dlg->Edit6->text(), "2");
    EXPECT_EQ(dlg->Edit1->text(), "1.2.3");
    EXPECT_TRUE(dlg->ContentsChanged());
}

TEST_F(MemoryEditor, PageKeysWrapAndOfferPendingChanges)
{
    Open(193);
    QTest::keyClick(dlg->Edit1, Qt::Key_PageUp);
    EXPECT_EQ(dlg->CurrentSlot(), 1);
    QTest::keyClick(dlg->ComboBox3, Qt::Key_PageDown);
    EXPECT_EQ(dlg->CurrentSlot(), 193);
    QTest::keyClick(dlg->CheckBox1, Qt::Key_Home);
    EXPECT_EQ(dlg->CurrentSlot(), 1);
    QTest::keyClick(dlg.get(), Qt::Key_End);
    EXPECT_EQ(dlg->CurrentSlot(), 193);
    QTest::keyClick(dlg->Edit5, Qt::Key_PageDown);
    EXPECT_EQ(dlg->CurrentSlot(), 192);
    EXPECT_EQ(dlg->Edit6->text(), "U6");
    EXPECT_TRUE(TakeMessages().isEmpty());

    QTest::keyClick(dlg->Edit1, Qt::Key_Home);
    Type(dlg->Edit1, "145");
    Answer({Yes});
    QTest::keyClick(dlg->Edit1, Qt::Key_PageUp);
    EXPECT_EQ(TakeMessages(), QStringList{AskOnMove});
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 1, 1), "00145000000");
    EXPECT_EQ(dlg->CurrentSlot(), 2);

    const QString slot2 = Stored(2);
    Type(dlg->Edit1, "146");
    Answer({No});
    QTest::keyClick(dlg->Edit1, Qt::Key_PageUp);
    EXPECT_EQ(TakeMessages(), QStringList{AskOnMove});
    EXPECT_EQ(Stored(2), slot2);
    EXPECT_EQ(dlg->CurrentSlot(), 3);

    // A failing store keeps the slot and the user's entries.
    Type(dlg->Edit1, "1..3");
    Answer({Yes});
    QTest::keyClick(dlg->Edit1, Qt::Key_PageUp);
    EXPECT_EQ(dlg->CurrentSlot(), 3);
    EXPECT_EQ(dlg->Edit1->text(), "1..3");
    EXPECT_EQ(TakeMessages(), (QStringList{AskOnMove, InvalidFrequency}));

    // Pending changes are offered even while the number field holds no slot.
    Type(dlg->Edit1, "147");
    Type(dlg->Edit6, "L");
    Answer({Yes});
    QTest::keyClick(dlg->Edit1, Qt::Key_End);
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 3, 1), "00147000000");
    EXPECT_EQ(dlg->CurrentSlot(), 193);
}

TEST_F(MemoryEditor, UpDownWrapsAndStopsRepeatingAfterAQuestion)
{
    const QPoint up(8, 3), down(8, 18);
    Open(193);
    QTest::mouseClick(dlg->UpDown1, Qt::LeftButton, {}, up);
    EXPECT_EQ(dlg->CurrentSlot(), 1);
    EXPECT_EQ(dlg->Edit6->text(), "1");
    QTest::mouseClick(dlg->UpDown1, Qt::LeftButton, {}, down);
    EXPECT_EQ(dlg->CurrentSlot(), 193);
    QTest::keyClick(dlg->Edit6, Qt::Key_Up);
    EXPECT_EQ(dlg->CurrentSlot(), 1);

    // Held down without pending changes it goes on repeating.
    QTest::mousePress(dlg->UpDown1, Qt::LeftButton, {}, up);
    EXPECT_TRUE(dlg->UpDown1->IsRepeating());
    QTest::mouseRelease(dlg->UpDown1, Qt::LeftButton, {}, up);
    EXPECT_FALSE(dlg->UpDown1->IsRepeating());
    EXPECT_EQ(dlg->CurrentSlot(), 2);

    // A failing store refuses the move; the press ends with the question.
    Type(dlg->Edit1, "1.2.3");
    Answer({Yes});
    QTest::mousePress(dlg->UpDown1, Qt::LeftButton, {}, up);
    EXPECT_FALSE(dlg->UpDown1->IsRepeating());
    QTest::mouseRelease(dlg->UpDown1, Qt::LeftButton, {}, up);
    EXPECT_EQ(dlg->CurrentSlot(), 2);
    EXPECT_EQ(TakeMessages(), (QStringList{AskOnMove, InvalidFrequency}));

    // No drops the changes and moves.
    const QString slot2 = Stored(2);
    Answer({No});
    QTest::mousePress(dlg->UpDown1, Qt::LeftButton, {}, down);
    EXPECT_FALSE(dlg->UpDown1->IsRepeating());
    QTest::mouseRelease(dlg->UpDown1, Qt::LeftButton, {}, down);
    EXPECT_EQ(dlg->CurrentSlot(), 1);
    EXPECT_EQ(Stored(2), slot2);
}

TEST_F(MemoryEditor, CloseAndEscapeAskWithTheTrailingSpace)
{
    const QString before = Stored(1);
    Open(1);
    QTest::keyClick(dlg->Edit1, Qt::Key_Escape);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(TakeMessages().isEmpty());

    Open(1);
    Type(dlg->Edit1, "1.2.3");
    Answer({Yes});
    QTest::keyClick(dlg->Edit1, Qt::Key_Escape);
    EXPECT_TRUE(dlg->isVisible());
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0].text, AskOnClose);
    EXPECT_EQ(messages[0].caption, "VXL-R381");
    EXPECT_EQ(messages[0].icon, Dialogs::Icon::Question);
    EXPECT_EQ(messages[0].buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(messages[1].text, InvalidFrequency);
    EXPECT_EQ(messages[1].icon, Dialogs::Icon::Information);
    EXPECT_EQ(messages[1].buttons, Dialogs::Buttons::Ok);
    TakeMessages();

    Answer({No});
    Click(dlg->Button1);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_FALSE(dlg->ContentsChanged());
    EXPECT_EQ(Stored(1), before);

    // Enter in the name field presses nothing; Enter on a focused button does.
    Open(1);
    Type(dlg->Edit5, "AB");
    QTest::keyClick(dlg->Edit5, Qt::Key_Return);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(Stored(1), before);
    QTest::keyClick(dlg->Button2, Qt::Key_Return);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 1, 17), "AB");
}

TEST_F(MemoryEditor, MinusSevenPointSixShiftFollowsMarketAndBand)
{
    SetRadioType("0,3,00,1,1,,");
    Open(1);
    EXPECT_FALSE(dlg->RadioButton5->isHidden());
    EXPECT_FALSE(dlg->RadioButton5->isEnabled());
    Type(dlg->Edit1, "435.000");
    QTest::keyClick(dlg->Edit1, Qt::Key_Return);
    EXPECT_TRUE(dlg->RadioButton5->isEnabled());
    Click(dlg->RadioButton5);
    Click(dlg->Button2);
    EXPECT_EQ(Stored(1), "001,00435000000,0,3,0,0,0,,09,,09,,0,,,,,");

    Open(1);
    EXPECT_TRUE(dlg->RadioButton5->isEnabled());
    EXPECT_TRUE(dlg->RadioButton5->isChecked());
    Type(dlg->Edit1, "145.000");
    QTest::keyClick(dlg->Edit1, Qt::Key_Return);
    EXPECT_FALSE(dlg->RadioButton5->isEnabled());
    EXPECT_TRUE(dlg->RadioButton1->isChecked());
    dlg->hide();

    // Variant "05" and other markets hide it; a stored '3' survives unseen.
    SetRadioType("0,3,05,1,1,,");
    Open(1);
    EXPECT_TRUE(dlg->RadioButton5->isHidden());
    EXPECT_TRUE(dlg->RadioButton5->isChecked());
    Click(dlg->Button2);
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 1, 3), "3");
}

TEST_F(MemoryEditor, EveryFieldIsReachableByTab)
{
    Open(1);
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    EXPECT_EQ(QApplication::focusWidget(), dlg->Edit1);
    QStringList visited;
    for (int i = 0; i < 30 && !visited.contains("Edit1"); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    for (const char *name : {"ComboBox3", "CheckBox4", "CheckBox1", "CheckBox2", "ComboBox1", "ComboBox2",
                             "Edit5", "CheckBox3", "Button2", "Button1", "Edit6"})
        EXPECT_TRUE(visited.contains(name)) << name << " not reached: " << visited.join(' ').toStdString();
    EXPECT_LT(visited.indexOf("ComboBox3"), visited.indexOf("Edit5"));
    EXPECT_LT(visited.indexOf("Button2"), visited.indexOf("Button1"));

    // The shift choice by keyboard: arrows move within the group.
    dlg->RadioButton1->setFocus();
    QTest::keyClick(dlg->RadioButton1, Qt::Key_Down);
    EXPECT_TRUE(dlg->RadioButton2->isChecked());
    EXPECT_TRUE(dlg->ContentsChanged());
}

} // namespace

// ---------------------------------------------------------------------------
// The main window's lists open the editors; each editor is reused.

namespace {

class EditorsFromLists : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        main = std::make_unique<TMainForm>(&windows);
        windows.memory = memory = new TMemory(*main);
        windows.vfo = vfo = new TVFO(*main);
        windows.call = call = new TCALL(*main);
        windows.dtmf = dtmf = new TDTMF(*main);
    }
    void TearDown() override
    {
        windows.Clear();
        main.reset();
        EditorFixture::TearDown();
    }

    // Presses Enter in a list; while the editor runs, notes what it shows
    // and leaves it with Escape.
    QString OpenWithEnter(int grid, int row, QDialog *editor, const std::function<QString()> &shown)
    {
        main->SelectRow(grid, row);
        QString seen = "not shown";
        QTimer::singleShot(0, editor, [&] {
            if (editor->isVisible())
                seen = shown();
            QTest::keyClick(editor, Qt::Key_Escape);
        });
        QTest::keyClick(main->Grid(grid), Qt::Key_Return);
        EXPECT_FALSE(editor->isVisible());
        return seen;
    }

    TestWindows windows; // outlives the main window
    std::unique_ptr<TMainForm> main;
    TMemory *memory = nullptr;
    TVFO *vfo = nullptr;
    TCALL *call = nullptr;
    TDTMF *dtmf = nullptr;
};

TEST_F(EditorsFromLists, EnterInAListRunsItsEditorOnTheSelectedRow)
{
    main->Document().SetMemoryRecord(20, "020,00145500000,0,0,0,0,0,,09,,09,,0,,,,,");
    main->Document().SetDtmfRecord(6, "06,321");
    main->RefreshGrids();

    EXPECT_EQ(OpenWithEnter(1, 20, memory, [&] { return memory->Edit1->text(); }), "145.500");
    EXPECT_EQ(OpenWithEnter(2, 1, vfo, [&] { return vfo->Edit1->text(); }), "118.000");
    EXPECT_EQ(OpenWithEnter(3, 2, call, [&] { return call->Edit1->text(); }), "440.000");
    EXPECT_EQ(OpenWithEnter(4, 7, dtmf, [&] { return dtmf->Edit1->text(); }), "321");
    // The same dialog again, on another row.
    EXPECT_EQ(OpenWithEnter(1, 1, memory, [&] { return memory->Edit6->text(); }), "1");
    EXPECT_TRUE(TakeMessages().isEmpty());
}

} // namespace

// The dialog's OK stores exactly what the memory channel's commit builds
// for the same values: the slot as the commit's load gives it, with the
// same changes made in record codes. Every other way into a slot (table,
// Bulk Edit, CSV rows, slot moves) goes through that commit.
TEST_F(MemoryEditor, OkStoresWhatTheMemoryChannelCommitBuilds)
{
    struct Case {
        const char *what;
        const char *record;    // slot 7 before ("" empty)
        const char *rx;        // typed receive frequency; nullptr: as loaded
        const char *tx;        // typed split frequency (Split Channel chosen); nullptr: none
        const char *step;      // step list entry picked; nullptr: none
        int shift;             // button: -1 none, 1 Simplex, 2 Plus, 3 Minus
        const char *ctcss;     // CTCSS list entry picked; nullptr: none
        const char *name;      // typed name; nullptr: as loaded
        const char *radioType; // nullptr: the fixture's
    };
    const Case cases[] = {
        {"new channel off the default step", "", "145.6125", nullptr, nullptr, -1, nullptr, nullptr, nullptr},
        {"new channel no step holds", "", "145.0037", nullptr, nullptr, -1, nullptr, nullptr, nullptr},
        {"new channel, step picked, rounded", "", "145.6125", nullptr, "12.5kHz", -1, nullptr, nullptr, nullptr},
        {"30 kHz step kept on a name change", "007,00145020000,7,0,0,0,0,,09,,09,,0,,,,,", nullptr, nullptr,
         nullptr, -1, nullptr, "HILL", nullptr},
        {"69.4 Hz kept, shift changed", "007,00145000000,0,0,0,1,0,,02,,02,,0,,,,,OLD", nullptr, nullptr, nullptr,
         3, nullptr, nullptr, nullptr},
        {"CTCSS picked", "007,00145000000,0,0,0,0,1,,02,,02,,0,,,,,", nullptr, nullptr, nullptr, -1, "100.0Hz",
         nullptr, nullptr},
        {"cross-band split clamped", "007,00144800000,0,0,0,0,0,,09,,09,,0,,00430800000,0,,", nullptr, nullptr,
         nullptr, -1, nullptr, nullptr, nullptr},
        {"split typed", "007,00145000000,3,0,0,0,0,,09,,09,,0,,,,,", nullptr, "145.6", nullptr, -1, nullptr,
         nullptr, nullptr},
        {"100 kHz step on the 800 MHz band", "007,00851000000,9,0,0,0,0,,09,,09,,0,,,,,", "851.0125", nullptr,
         nullptr, -1, nullptr, nullptr, kAllBandsType},
        {"garbage step code", "007,00145000000,x,0,0,0,0,,09,,09,,0,,,,,", nullptr, nullptr, nullptr, -1, nullptr,
         nullptr, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Doc().ResetDocument();
        if (c.radioType)
            SetRadioType(QLatin1String(c.radioType));
        Doc().SetMemoryRecord(7, QLatin1String(c.record));

        TMemoryChannelEntry entry = LoadMemoryChannel(Doc(), 7);
        entry.rxAsStored = entry.txAsStored = false; // the dialog rewrites both
        Open(7);
        if (c.rx) {
            Type(dlg->Edit1, QLatin1String(c.rx));
            entry.rxText = QLatin1String(c.rx);
        }
        if (c.tx) {
            Click(dlg->RadioButton4);
            Type(dlg->Edit3, QLatin1String(c.tx));
            entry.txText = QLatin1String(c.tx);
            entry.shift = QLatin1Char('0');
        }
        if (c.step) {
            Pick(dlg->ComboBox3, QLatin1String(c.step));
            entry.stepCode = StepCodeOfListPos(EditorStepTexts().indexOf(QLatin1String(c.step)));
        }
        if (c.shift > 0) {
            Click(c.shift == 1 ? dlg->RadioButton1 : c.shift == 2 ? dlg->RadioButton2 : dlg->RadioButton3);
            entry.shift = QLatin1Char(char('0' + c.shift - 1));
        }
        if (c.ctcss) {
            Pick(dlg->ComboBox2, QLatin1String(c.ctcss));
            entry.ctcssCode = ToneCodeOfListPos(EditorToneTexts().indexOf(QLatin1String(c.ctcss)));
        }
        if (c.name) {
            Type(dlg->Edit5, QLatin1String(c.name));
            entry.name = QLatin1String(c.name);
        }
        const TMemoryRecordResult built = CommitMemoryChannel(Doc(), 7, entry);
        ASSERT_EQ(built.error, TMemoryRecordResult::None);
        Click(dlg->Button2);
        EXPECT_EQ(Stored(7), built.record);
        const QStringList messages = TakeMessages();
        EXPECT_EQ(!messages.isEmpty(), built.adjusted) << messages.join(QLatin1Char('|')).toStdString();
        for (const QString &move : built.moves)
            EXPECT_TRUE(messages.join(QLatin1Char('\n')).contains(move)) << move.toStdString();
    }
}
