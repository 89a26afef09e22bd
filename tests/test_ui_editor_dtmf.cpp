// The DTMF memory dialog driven through its controls.
#include "support/EditorFixture.h"
#include "ui/editors/DTMF.h"

#include <QPushButton>

using namespace ShownText;

namespace {

class DtmfEditor : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        dlg = std::make_unique<TDTMF>(Host());
    }
    void TearDown() override
    {
        dlg.reset();
        EditorFixture::TearDown();
    }

    // Opens the dialog on a row of the main window's DTMF list (1..10).
    void Open(int row)
    {
        Select(4, row);
        dlg->show();
        ASSERT_EQ(dlg->CurrentMemory(), row - 1);
    }
    QString Stored(int index) { return Doc().Record(rkDtmf, index); }

    std::unique_ptr<TDTMF> dlg;
};

TEST_F(DtmfEditor, LoadsTheCodeOfTheSelectedRow)
{
    Doc().SetDtmfRecord(4, "04,12AB*#");
    Open(5);
    EXPECT_EQ(dlg->windowTitle(), "DTMF Memory");
    EXPECT_EQ(dlg->ComboBox1->currentText(), "4");
    EXPECT_EQ(dlg->Edit1->text(), "12AB*#");
    EXPECT_EQ(dlg->Edit1->maxLength(), 16);
    EXPECT_FALSE(dlg->ContentsChanged());
    QTest::keyClick(dlg->Edit1, Qt::Key_PageUp);
    EXPECT_EQ(dlg->CurrentMemory(), 5);
    EXPECT_TRUE(dlg->Edit1->text().isEmpty());
}

TEST_F(DtmfEditor, CharacterFilterTakesOnlyDtmfSymbols)
{
    Open(1);
    QTest::keyClicks(dlg->Edit1, "1a*");
    EXPECT_TRUE(TakeMessages().isEmpty());
    QTest::keyClicks(dlg->Edit1, "e");
    EXPECT_EQ(TakeMessages(), QStringList{InvalidCharacter});
    QTest::keyClicks(dlg->Edit1, "F-#d");
    EXPECT_EQ(TakeMessages(), (QStringList{InvalidCharacter, InvalidCharacter}));
    EXPECT_EQ(dlg->Edit1->text(), "1A*#D");
    QTest::keyClick(dlg->Edit1, Qt::Key_Backspace);
    EXPECT_EQ(dlg->Edit1->text(), "1A*#");

    // Pasted text cannot bring in other characters either.
    dlg->Edit1->insert("xyz");
    EXPECT_EQ(dlg->Edit1->text(), "1A*#");
    dlg->Edit1->insert("bc");
    EXPECT_EQ(dlg->Edit1->text(), "1A*#BC");

    QTest::keyClick(dlg->Button2, Qt::Key_Space);
    EXPECT_EQ(Stored(0), "00,1A*#BC");
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(Host().Modified(), 1);
}

TEST_F(DtmfEditor, OkStoresEvenAnUnchangedOrEmptyCode)
{
    Doc().SetDtmfRecord(2, "02,999");
    Open(3);
    QTest::mouseClick(dlg->Button2, Qt::LeftButton);
    EXPECT_EQ(Stored(2), "02,999");
    EXPECT_EQ(Host().Modified(), 1);

    Open(4);
    QTest::mouseClick(dlg->Button2, Qt::LeftButton);
    EXPECT_EQ(Stored(3), "03,");
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(DtmfEditor, NavigationWrapsAroundTheTenMemories)
{
    Open(10);
    QTest::keyClick(dlg->Edit1, Qt::Key_PageUp);
    EXPECT_EQ(dlg->CurrentMemory(), 0);
    EXPECT_EQ(dlg->ComboBox1->currentIndex(), 0);
    QTest::keyClick(dlg->ComboBox1, Qt::Key_PageDown);
    EXPECT_EQ(dlg->CurrentMemory(), 9);
    QTest::keyClick(dlg->Button1, Qt::Key_Home);
    EXPECT_EQ(dlg->CurrentMemory(), 0);
    QTest::keyClick(dlg->Button2, Qt::Key_End);
    EXPECT_EQ(dlg->CurrentMemory(), 9);
    QTest::keyClick(dlg.get(), Qt::Key_PageDown);
    EXPECT_EQ(dlg->CurrentMemory(), 8);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(DtmfEditor, StoresIntoTheMemoryThatWasShownBeforeTheMove)
{
    Open(4);
    QTest::keyClicks(dlg->Edit1, "123");
    Answer({No, Yes});
    QTest::keyClick(dlg->Edit1, Qt::Key_PageUp);
    EXPECT_EQ(TakeMessages(), (QStringList{AskOnMove, AskOnMove}));
    EXPECT_EQ(Stored(3), "03,123");
    EXPECT_TRUE(Stored(4).isEmpty());
    EXPECT_EQ(dlg->CurrentMemory(), 4);
    EXPECT_TRUE(dlg->Edit1->text().isEmpty());

    // Yes at once: asked only once.
    QTest::keyClicks(dlg->Edit1, "#");
    Answer({Yes});
    QTest::keyClick(dlg->Edit1, Qt::Key_Home);
    EXPECT_EQ(TakeMessages(), QStringList{AskOnMove});
    EXPECT_EQ(Stored(4), "04,#");
    EXPECT_EQ(dlg->CurrentMemory(), 0);

    // No twice drops the code.
    QTest::keyClicks(dlg->Edit1, "7");
    Answer({No, No});
    QTest::keyClick(dlg->Edit1, Qt::Key_End);
    EXPECT_TRUE(Stored(0).isEmpty());
    EXPECT_EQ(dlg->CurrentMemory(), 9);

    // Picking from the list stores into the memory shown before the pick.
    QTest::keyClicks(dlg->Edit1, "B");
    Answer({Yes});
    QTest::keyClick(dlg->ComboBox1, Qt::Key_Up);
    EXPECT_EQ(Stored(9), "09,B");
    EXPECT_EQ(dlg->CurrentMemory(), 8);
    TakeMessages();
}

TEST_F(DtmfEditor, EscapeAndCloseAskOnlyWhenChanged)
{
    Doc().SetDtmfRecord(1, "01,55");
    Open(2);
    QTest::keyClick(dlg->Edit1, Qt::Key_Escape);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(TakeMessages().isEmpty());
    EXPECT_EQ(Host().Modified(), 0);

    Open(2);
    QTest::keyClicks(dlg->Edit1, "6");
    Answer({No});
    QTest::keyClick(dlg->Edit1, Qt::Key_Escape);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, AskOnClose);
    EXPECT_EQ(messages[0].icon, Dialogs::Icon::Question);
    EXPECT_EQ(messages[0].buttons, Dialogs::Buttons::YesNo);
    TakeMessages();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(Stored(1), "01,55");

    Open(2);
    QTest::keyClicks(dlg->Edit1, "6");
    Answer({Yes});
    QTest::mouseClick(dlg->Button1, Qt::LeftButton);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(Stored(1), "01,6") << "the code shows selected: typing replaces it";

    // Enter in the code field presses nothing.
    Open(2);
    QTest::keyClick(dlg->Edit1, Qt::Key_Return);
    EXPECT_TRUE(dlg->isVisible());
    TakeMessages();
}

} // namespace
