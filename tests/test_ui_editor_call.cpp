// The CALL channel dialog driven through its controls.
#include "support/EditorFixture.h"
#include "ui/editors/CALL.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace ShownText;

namespace {

class CallEditor : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        dlg = std::make_unique<TCALL>(Host());
    }
    void TearDown() override
    {
        dlg.reset();
        EditorFixture::TearDown();
    }

    // Opens the dialog on a row of the main window's CALL list (1 VHF, 2 UHF).
    void Open(int row)
    {
        Select(3, row);
        dlg->show();
        ASSERT_EQ(dlg->CurrentIndex(), row - 1);
    }
    QString Stored(int index) { return Doc().Record(rkCall, index); }
    static void Click(QWidget *button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2)); }
    // Types a receive frequency and stores it with OK.
    void CommitRx(int row, const QString &text)
    {
        Open(row);
        Type(dlg->Edit1, text);
        Click(dlg->Button2);
    }

    std::unique_ptr<TCALL> dlg;
};

TEST_F(CallEditor, LoadsWithTheDefaultsOfItsBand)
{
    Open(2);
    EXPECT_EQ(dlg->windowTitle(), "CALL Channel");
    EXPECT_EQ(dlg->ComboBox5->count(), 2);
    EXPECT_EQ(dlg->ComboBox5->itemText(0), "144MHz");
    EXPECT_EQ(dlg->ComboBox5->itemText(1), "440MHz");
    EXPECT_EQ(dlg->ComboBox5->currentIndex(), 1);
    EXPECT_EQ(dlg->Edit1->text(), "440.000");
    EXPECT_TRUE(dlg->RadioButton4->isEnabled());
    dlg->hide();

    SetRadioType("0,1,00,1,1,,");
    Doc().SetCallRecord(0, "");
    Doc().SetCallRecord(1, "");
    Open(2);
    EXPECT_EQ(dlg->ComboBox5->itemText(1), "430MHz");
    EXPECT_EQ(dlg->Edit1->text(), "430.000");
    EXPECT_EQ(dlg->ComboBox3->currentText(), "25kHz");
    EXPECT_EQ(dlg->ComboBox1->currentText(), "88.5Hz");
    dlg->hide();
    Open(1);
    EXPECT_EQ(dlg->Edit1->text(), "144.000");
    EXPECT_EQ(dlg->ComboBox3->currentText(), "12.5kHz");
    EXPECT_TRUE(dlg->RadioButton1->isChecked());
}

TEST_F(CallEditor, ShiftedChannelIsWrittenBackUnchanged)
{
    const QString record = "0,00145000000,0,1,0,0,0,,09,,09,,,,,,,";
    Doc().SetCallRecord(0, record);
    Open(1);
    EXPECT_TRUE(dlg->RadioButton2->isChecked());
    EXPECT_FALSE(dlg->Edit3->isEnabled());
    EXPECT_EQ(dlg->Edit3->text(), "145.000");
    EXPECT_TRUE(dlg->CheckBox4->isEnabled());
    Click(dlg->Button2);
    EXPECT_EQ(Stored(0), record);
    EXPECT_EQ(Host().Modified(), 1);

    // Every control in its field.
    Open(1);
    Pick(dlg->ComboBox3, "50kHz");
    Click(dlg->RadioButton1);
    Click(dlg->CheckBox4);
    Click(dlg->CheckBox1);
    Pick(dlg->ComboBox1, "74.4Hz");
    Click(dlg->Button2);
    EXPECT_EQ(Stored(0), "0,00145000000,8,0,1,1,0,,04,,09,,,,,,,");
}

TEST_F(CallEditor, ReceiveFrequencyIsClampedIntoTheCallBand)
{
    // With the air band, VHF CALL frequencies of the air band stay there.
    CommitRx(1, "100");
    EXPECT_EQ(Doc().GetRecordField(rkCall, 0, 1), "00118000000");
    EXPECT_EQ(TakeMessages(), QStringList{Rounded + "\n100.000 MHz -> 118.000 MHz"});
    CommitRx(1, "125.000");
    EXPECT_EQ(Doc().GetRecordField(rkCall, 0, 1), "00125000000");
    EXPECT_TRUE(TakeMessages().isEmpty());
    CommitRx(1, "180");
    EXPECT_EQ(Doc().GetRecordField(rkCall, 0, 1), "00173995000");
    EXPECT_EQ(TakeMessages(), QStringList{Rounded + "\n180.000 MHz -> 173.995 MHz"});
    // The fields have no length limit; extra decimals are cut, then rounded
    // to the nearer channel of the step.
    CommitRx(1, "145.1234567");
    EXPECT_EQ(Doc().GetRecordField(rkCall, 0, 1), "00145125000");
    EXPECT_EQ(TakeMessages(), QStringList{Rounded + "\n145.123456 MHz -> 145.125 MHz"});

    // Without the 300 MHz band the UHF CALL channel keeps to band 3.
    CommitRx(2, "350.000");
    EXPECT_EQ(Doc().GetRecordField(rkCall, 1, 1), "00410000000");
    EXPECT_EQ(TakeMessages(), QStringList{Rounded + "\n350.000 MHz -> 410.000 MHz"});

    SetRadioType("0,2,00,1,0,1,");
    CommitRx(1, "125");
    EXPECT_EQ(Doc().GetRecordField(rkCall, 0, 1), "00136000000");
    EXPECT_EQ(TakeMessages(), QStringList{Rounded + "\n125.000 MHz -> 136.000 MHz"});
    CommitRx(2, "350.000");
    EXPECT_EQ(Doc().GetRecordField(rkCall, 1, 1), "00350000000");
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(CallEditor, SplitTransmitFrequencyIsClampedIntoTheUhfBand)
{
    Open(2);
    Click(dlg->RadioButton4);
    EXPECT_TRUE(dlg->Edit3->isEnabled());
    EXPECT_FALSE(dlg->CheckBox4->isEnabled());
    Type(dlg->Edit3, "145");
    Click(dlg->Button2);
    EXPECT_EQ(TakeMessages(), QStringList{Rounded + "\n145.000 MHz -> 410.000 MHz"});
    EXPECT_EQ(Stored(1), "1,00440000000,6,0,0,0,0,,09,,09,,,,00410000000,6,,");

    Open(2);
    EXPECT_TRUE(dlg->RadioButton4->isChecked());
    EXPECT_EQ(dlg->Edit3->text(), "410.000");
    // Enter clamps both fields with the CALL band.
    Type(dlg->Edit1, "500");
    QTest::keyClick(dlg->Edit1, Qt::Key_Return);
    EXPECT_EQ(dlg->Edit1->text(), "469.975");
    EXPECT_EQ(dlg->Edit3->text(), "410.000");
    EXPECT_EQ(TakeMessages(), QStringList{Rounded + "\n500.000 MHz -> 469.975 MHz"});
}

TEST_F(CallEditor, MinusSevenPointSixShiftOnlyForTheUhfChannel)
{
    SetRadioType("0,3,00,1,1,,");
    Open(1);
    EXPECT_FALSE(dlg->RadioButton5->isHidden());
    EXPECT_FALSE(dlg->RadioButton5->isEnabled());
    Type(dlg->Edit1, "435");
    QTest::keyClick(dlg->Edit1, Qt::Key_Return);
    EXPECT_FALSE(dlg->RadioButton5->isEnabled()) << "Enter leaves the option alone";
    TakeMessages();
    dlg->hide();

    Open(2);
    EXPECT_TRUE(dlg->RadioButton5->isEnabled());
    Click(dlg->RadioButton5);
    Click(dlg->Button2);
    EXPECT_EQ(Doc().GetRecordField(rkCall, 1, 3), "3");

    SetRadioType("0,3,05,1,1,,");
    Open(2);
    EXPECT_TRUE(dlg->RadioButton5->isHidden());
}

TEST_F(CallEditor, PageKeysSwitchChannelsAndOfferPendingChanges)
{
    Open(1);
    QTest::keyClick(dlg->Edit1, Qt::Key_PageUp);
    EXPECT_EQ(dlg->CurrentIndex(), 1);
    QTest::keyClick(dlg->ComboBox1, Qt::Key_PageUp);
    EXPECT_EQ(dlg->CurrentIndex(), 0);
    QTest::keyClick(dlg->ComboBox3, Qt::Key_PageDown);
    EXPECT_EQ(dlg->CurrentIndex(), 1);
    QTest::keyClick(dlg->Button1, Qt::Key_Home);
    EXPECT_EQ(dlg->CurrentIndex(), 0);
    QTest::keyClick(dlg->RadioButton1, Qt::Key_End);
    EXPECT_EQ(dlg->CurrentIndex(), 1);
    EXPECT_EQ(dlg->Edit1->text(), "440.000");

    const QString uhf = Stored(1);
    Type(dlg->Edit1, "445");
    Answer({No, No});
    QTest::keyClick(dlg->Edit1, Qt::Key_Home);
    EXPECT_EQ(TakeMessages(), (QStringList{AskOnMove, AskOnMove}));
    EXPECT_EQ(dlg->CurrentIndex(), 0);
    EXPECT_EQ(Stored(1), uhf);

    Type(dlg->Edit1, "1.2.3");
    Answer({Yes, Yes});
    QTest::keyClick(dlg->Edit1, Qt::Key_PageUp);
    EXPECT_EQ(TakeMessages(), (QStringList{AskOnMove, InvalidFrequency, AskOnMove, InvalidFrequency}));
    EXPECT_EQ(dlg->CurrentIndex(), 0);
    EXPECT_EQ(dlg->ComboBox5->currentIndex(), 0);
    EXPECT_EQ(dlg->Edit1->text(), "1.2.3");

    // Picking the other channel with Yes stores the one shown first.
    Type(dlg->Edit1, "146");
    Answer({Yes});
    QTest::keyClick(dlg->ComboBox5, Qt::Key_Down);
    EXPECT_EQ(Doc().GetRecordField(rkCall, 0, 1), "00146000000");
    EXPECT_EQ(dlg->CurrentIndex(), 1);
    TakeMessages();

    // A refused change does not outlast the showing.
    Type(dlg->Edit1, "1.2.3");
    Answer({Yes, No});
    QTest::keyClick(dlg->ComboBox5, Qt::Key_Up);
    EXPECT_EQ(dlg->CurrentIndex(), 1);
    QTest::keyClick(dlg->Edit1, Qt::Key_Escape);
    EXPECT_FALSE(dlg->isVisible());
    Open(2);
    QTest::keyClick(dlg->ComboBox5, Qt::Key_Up);
    EXPECT_EQ(dlg->CurrentIndex(), 0);
}

} // namespace

TEST_F(CallEditor, StoredToneAndStepCodesTheListsCannotShowSurviveAnOk)
{
    // 69.4 Hz (code "02") and 100 kHz (step code "9") have no list entry.
    Doc().SetCallRecord(0, "0,00145000000,9,0,0,0,1,,02,,02,,,,,,,");
    Open(1);
    Type(dlg->Edit1, "145.5");
    Click(dlg->Button2);
    EXPECT_EQ(Stored(0), "0,00145500000,9,0,0,0,1,,02,,02,,,,,,,");
}
