// The VFO dialog driven through its controls.
#include "support/EditorFixture.h"
#include "ui/editors/VFO.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace ShownText;

namespace {

class VfoEditor : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        dlg = std::make_unique<TVFO>(Host());
    }
    void TearDown() override
    {
        dlg.reset();
        EditorFixture::TearDown();
    }

    // Opens the dialog on a row of the main window's VFO list.
    void Open(int row)
    {
        Select(2, row);
        dlg->show();
    }
    QString Stored(int band) { return Doc().Record(rkVfo, band); }
    static void Click(QWidget *button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2)); }
    static QStringList Entries(QComboBox *list)
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
        return texts;
    }

    std::unique_ptr<TVFO> dlg;
};

TEST_F(VfoEditor, BandListFollowsTheRadioType)
{
    Open(3);
    EXPECT_EQ(dlg->windowTitle(), "VFO");
    EXPECT_EQ(Entries(dlg->ComboBox5), (QStringList{"118MHz", "144MHz", "440MHz"}));
    EXPECT_EQ(dlg->ComboBox5->currentIndex(), 2);
    EXPECT_EQ(dlg->CurrentBand(), 3);
    EXPECT_EQ(dlg->Edit1->text(), "440.000");
    EXPECT_EQ(dlg->Edit2->text(), "5.00");
    EXPECT_EQ(dlg->ComboBox3->currentText(), "25kHz");
    dlg->hide();

    // Rebuilt at every showing.
    SetRadioType("0,1,00,1,1,1,1");
    Open(5);
    EXPECT_EQ(Entries(dlg->ComboBox5), (QStringList{"118MHz", "144MHz", "300MHz", "430MHz", "800MHz"}));
    EXPECT_EQ(dlg->CurrentBand(), 4);
    EXPECT_EQ(dlg->Edit1->text(), "870.000");
    Pick(dlg->ComboBox5, "300MHz");
    EXPECT_EQ(dlg->CurrentBand(), 2);
    EXPECT_EQ(dlg->Edit1->text(), "340.000");
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(VfoEditor, EmptyRecordsLoadTheDefaultsOfTheirBand)
{
    Doc().SetVfoRecord(0, "");
    Open(1);
    EXPECT_EQ(dlg->Edit1->text(), "118.000");
    EXPECT_EQ(dlg->ComboBox3->currentText(), "12.5kHz");
    EXPECT_EQ(dlg->Edit2->text(), "0.60");
    EXPECT_FALSE(dlg->ComboBox4->isEnabled());
    EXPECT_FALSE(dlg->Label6->isEnabled());
    EXPECT_EQ(dlg->ComboBox4->currentText(), "High");
    EXPECT_EQ(dlg->ComboBox4->palette().color(QPalette::Base),
              QApplication::palette(dlg->ComboBox4).color(QPalette::Button));
    EXPECT_TRUE(dlg->RadioButton1->isChecked());
    EXPECT_EQ(dlg->ComboBox1->currentText(), "88.5Hz");
    dlg->hide();

    Doc().SetVfoRecord(3, "");
    Open(3);
    EXPECT_EQ(dlg->Edit1->text(), "440.000");
    EXPECT_EQ(dlg->ComboBox3->currentText(), "25kHz");
    EXPECT_EQ(dlg->Edit2->text(), "5.00");
    EXPECT_TRUE(dlg->ComboBox4->isEnabled());
    EXPECT_EQ(dlg->ComboBox4->palette().color(QPalette::Base),
              QApplication::palette(dlg->ComboBox4).color(QPalette::Base));
}

TEST_F(VfoEditor, EveryControlIsWrittenIntoItsField)
{
    Open(2);
    Type(dlg->Edit1, "145.52");
    Pick(dlg->ComboBox3, "10kHz");
    Click(dlg->RadioButton3);
    Click(dlg->CheckBox4);
    Click(dlg->CheckBox2);
    Pick(dlg->ComboBox2, "91.5Hz");
    Type(dlg->Edit2, "0.6");
    Pick(dlg->ComboBox4, "Mid");
    Click(dlg->Button2);
    EXPECT_EQ(Stored(1), "2,00145520000,2,2,1,0,1,,09,,10,000600000,,,,,1,");
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(Host().Modified(), 1);

    // Bands without output power write an empty field 16.
    SetRadioType("0,1,00,1,1,1,1");
    Doc().SetVfoRecord(2, "");
    Open(3);
    ASSERT_EQ(dlg->CurrentBand(), 2);
    Click(dlg->Button2);
    EXPECT_EQ(Stored(2), "5,00340000000,3,0,0,0,0,,09,,09,005000000,,,,,,");

    // A stored power the list does not offer (EL) shows as High.
    Doc().SetVfoRecord(3, "6,00430000000,6,1,0,0,0,,09,,09,005000000,,,,,3,");
    Open(4);
    EXPECT_EQ(dlg->ComboBox4->currentText(), "High");
    EXPECT_TRUE(dlg->RadioButton2->isChecked());
    Pick(dlg->ComboBox4, "Low");
    Click(dlg->Button2);
    EXPECT_EQ(Stored(3), "6,00430000000,6,1,0,0,0,,09,,09,005000000,,,,,2,");
}

TEST_F(VfoEditor, FrequencyIsClampedIntoTheEditedBand)
{
    Open(2);
    Type(dlg->Edit1, "435.000");
    Click(dlg->Button2);
    EXPECT_EQ(TakeMessages(), QStringList{Rounded + "\n435.000 MHz -> 173.995 MHz"});
    EXPECT_EQ(Stored(1), "2,00173995000,0,0,0,0,0,,09,,09,000600000,,,,,0,");
    // The dialog reloads what it stored.
    EXPECT_EQ(dlg->Edit1->text(), "173.995");
}

TEST_F(VfoEditor, OffsetsAreNormalizedAndMalformedEntriesRefused)
{
    Open(2);
    Type(dlg->Edit2, "7.63");
    Click(dlg->Button2);
    EXPECT_EQ(Doc().GetRecordField(rkVfo, 1, 11), "007600000");
    Open(2);
    EXPECT_EQ(dlg->Edit2->text(), "7.60");
    Type(dlg->Edit2, "45");
    Click(dlg->Button2);
    EXPECT_EQ(Doc().GetRecordField(rkVfo, 1, 11), "029950000");
    EXPECT_TRUE(TakeMessages().isEmpty()) << "offsets are never reported as adjusted";

    const QString before = Stored(1);
    Open(2);
    Type(dlg->Edit2, "1..2");
    Click(dlg->Button2);
    EXPECT_EQ(TakeMessages(), QStringList{InvalidOffset});
    Type(dlg->Edit2, "1.5");
    Type(dlg->Edit1, "14.4.");
    Click(dlg->Button2);
    EXPECT_EQ(TakeMessages(), QStringList{InvalidFrequency});
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(Stored(1), before);
}

TEST_F(VfoEditor, EnterRewritesFrequencyAndOffset)
{
    Open(2);
    Type(dlg->Edit2, "1.67");
    QTest::keyClick(dlg->Edit2, Qt::Key_Return);
    EXPECT_EQ(dlg->Edit2->text(), "1.65");
    Type(dlg->Edit1, "145.0037");
    QTest::keyClick(dlg->Edit1, Qt::Key_Return);
    EXPECT_EQ(dlg->Edit1->text(), "145.005");
    EXPECT_EQ(TakeMessages(), QStringList{Rounded + "\n145.0037 MHz -> 145.005 MHz"});
    EXPECT_TRUE(dlg->ContentsChanged());
    EXPECT_TRUE(dlg->isVisible());

    Type(dlg->Edit2, "..");
    QTest::keyClick(dlg->Edit1, Qt::Key_Return);
    EXPECT_EQ(TakeMessages(), QStringList{InvalidOffset});
    EXPECT_EQ(dlg->Edit2->text(), "..");
}

TEST_F(VfoEditor, MinusSevenPointSixShiftOnlyAbove300MHz)
{
    SetRadioType("0,3,00,1,1,,");
    Open(2);
    EXPECT_FALSE(dlg->RadioButton5->isHidden());
    EXPECT_FALSE(dlg->RadioButton5->isEnabled());
    Type(dlg->Edit1, "435");
    QTest::keyClick(dlg->Edit1, Qt::Key_Return);
    EXPECT_FALSE(dlg->RadioButton5->isEnabled()) << "never in the 144 MHz VFO";
    TakeMessages();
    dlg->hide();

    Open(3);
    EXPECT_TRUE(dlg->RadioButton5->isEnabled());
    Click(dlg->RadioButton5);
    Click(dlg->Button2);
    EXPECT_EQ(Doc().GetRecordField(rkVfo, 3, 3), "3");

    SetRadioType("0,3,05,1,1,,");
    Open(3);
    EXPECT_TRUE(dlg->RadioButton5->isHidden());
    EXPECT_TRUE(dlg->RadioButton5->isChecked());
}

TEST_F(VfoEditor, PageKeysMoveThroughTheBandsAndOfferPendingChanges)
{
    Open(2);
    QTest::keyClick(dlg->Edit1, Qt::Key_PageUp);
    EXPECT_EQ(dlg->CurrentBand(), 3);
    QTest::keyClick(dlg->ComboBox4, Qt::Key_PageUp);
    EXPECT_EQ(dlg->CurrentBand(), 0);
    QTest::keyClick(dlg->Edit2, Qt::Key_PageDown);
    EXPECT_EQ(dlg->CurrentBand(), 3);
    QTest::keyClick(dlg->ComboBox5, Qt::Key_Home);
    EXPECT_EQ(dlg->CurrentBand(), 0);
    QTest::keyClick(dlg->CheckBox1, Qt::Key_End);
    EXPECT_EQ(dlg->CurrentBand(), 3);
    EXPECT_EQ(dlg->ComboBox5->currentText(), "440MHz");
    EXPECT_TRUE(TakeMessages().isEmpty());

    // No: asked before and after the move, then the new band loads.
    const QString band3 = Stored(3);
    Type(dlg->Edit1, "445");
    Answer({No, No});
    QTest::keyClick(dlg->Edit1, Qt::Key_PageDown);
    EXPECT_EQ(TakeMessages(), (QStringList{AskOnMove, AskOnMove}));
    EXPECT_EQ(dlg->CurrentBand(), 1);
    EXPECT_EQ(Stored(3), band3);
    EXPECT_FALSE(dlg->ContentsChanged());

    // Yes stores the band that was shown.
    Type(dlg->Edit1, "146");
    Answer({Yes});
    QTest::keyClick(dlg->Edit1, Qt::Key_PageDown);
    EXPECT_EQ(TakeMessages(), QStringList{AskOnMove});
    EXPECT_EQ(Doc().GetRecordField(rkVfo, 1, 1), "00146000000");
    EXPECT_EQ(dlg->CurrentBand(), 0);

    // A failing store keeps the band, its list entry and the entries.
    Type(dlg->Edit1, "1.2.3");
    Answer({Yes, Yes});
    QTest::keyClick(dlg->Edit1, Qt::Key_PageUp);
    EXPECT_EQ(TakeMessages(), (QStringList{AskOnMove, InvalidFrequency, AskOnMove, InvalidFrequency}));
    EXPECT_EQ(dlg->CurrentBand(), 0);
    EXPECT_EQ(dlg->ComboBox5->currentText(), "118MHz");
    EXPECT_EQ(dlg->Edit1->text(), "1.2.3");
}

TEST_F(VfoEditor, BandChangeIsPermittedAgainAtEveryShowing)
{
    Open(2);
    Type(dlg->Edit1, "1.2.3");
    Answer({Yes});
    QTest::keyClick(dlg->ComboBox5, Qt::Key_Down); // picks "440MHz"
    EXPECT_EQ(TakeMessages(), (QStringList{AskOnMove, InvalidFrequency}));
    EXPECT_EQ(dlg->CurrentBand(), 1);
    EXPECT_EQ(dlg->ComboBox5->currentText(), "144MHz");

    Answer({No});
    QTest::keyClick(dlg->Edit1, Qt::Key_Escape);
    EXPECT_EQ(TakeMessages(), QStringList{AskOnClose});
    EXPECT_FALSE(dlg->isVisible());

    Open(2);
    Pick(dlg->ComboBox5, "440MHz");
    EXPECT_EQ(dlg->CurrentBand(), 3);
    EXPECT_EQ(dlg->Edit1->text(), "440.000");
}

} // namespace

TEST_F(VfoEditor, StoredToneAndStepCodesTheListsCannotShowSurviveAnOk)
{
    // 69.4 Hz (code "02") and 30 kHz (step code "7") have no list entry.
    Doc().SetVfoRecord(1, "2,00145000000,7,1,0,1,0,,02,,02,000600000,,,,,0,");
    Open(2);
    ASSERT_EQ(dlg->CurrentBand(), 1);
    Type(dlg->Edit1, "145.5");
    Click(dlg->Button2);
    EXPECT_EQ(Stored(1), "2,00145500000,7,1,0,1,0,,02,,02,000600000,,,,,0,");
}
