// The main window's lists under the mouse, the editors' frequency group
// and keyboard order, the help window, the size of the main window after a
// failed start-up open, and the channel table opened by the shell.
#include "app/ApplicationShell.h"
#include "data/ChannelDocument.h"
#include "support/FakeDocumentHost.h"
#include "support/TestSettings.h"
#include "support/TestWindows.h"
#include "ui/editors/CALL.h"
#include "ui/editors/Memory.h"
#include "ui/editors/VFO.h"
#include "ui/info/HelpForm.h"
#include "ui/main/MainForm.h"
#include "ui/seam/Dialogs.h"
#include "ui/table/ChannelTable.h"
#include "ui/table/ChannelTableModel.h"

#include <gtest/gtest.h>

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <QWindow>

#include <memory>

namespace {

class CorrectionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearStoredSettings();
        Dialogs::SetMessageResponder([this](const Dialogs::MessageRequest &request) {
            messages << request.text;
            return Dialogs::Answer::No;
        });
    }
    void TearDown() override { Dialogs::ResetResponders(); }

    QStringList messages;
};

QPoint RowPoint(QTableWidget *grid, int row)
{
    return grid->visualRect(grid->model()->index(row, 2)).center();
}

} // namespace

TEST_F(CorrectionsTest, RightButtonOnTheHeaderRowSelectsTheTopVisibleRowAndOpensTheMenu)
{
    TestWindows windows;
    TMainForm form(&windows);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTableWidget *memory = form.Grid(1);
    memory->verticalScrollBar()->setValue(30);
    QCoreApplication::processEvents();
    const int top = memory->rowAt(0);
    ASSERT_GT(top, 1);
    // A real press on the header row arrives at the header's viewport.
    QWidget *header = memory->horizontalHeader()->viewport();
    QTest::mousePress(header, Qt::RightButton, {}, QPoint(40, form.GridRowHeight(1) / 2));
    EXPECT_EQ(form.SelectedRow(1), top);
    EXPECT_TRUE(form.PopupMenu1->isVisible());
    form.PopupMenu1->hide();
}

TEST_F(CorrectionsTest, ListsKeepOneWholeRowSelectedAndDrawNoCellFocusFrame)
{
    TestWindows windows;
    TMainForm form(&windows);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTableWidget *memory = form.Grid(1);
    QTest::mouseClick(memory->viewport(), Qt::LeftButton, {}, RowPoint(memory, 3));
    EXPECT_EQ(form.SelectedRow(1), 3);
    // Ctrl+click on the selected row keeps it selected.
    QTest::mouseClick(memory->viewport(), Qt::LeftButton, Qt::ControlModifier, RowPoint(memory, 3));
    EXPECT_EQ(form.SelectedRow(1), 3);
    EXPECT_TRUE(memory->selectionModel()->isRowSelected(3, QModelIndex()));
    // Ctrl+click and Shift+click on another row select that row alone.
    QTest::mouseClick(memory->viewport(), Qt::LeftButton, Qt::ControlModifier, RowPoint(memory, 5));
    EXPECT_EQ(memory->selectionModel()->selectedRows().size(), 1);
    EXPECT_TRUE(memory->selectionModel()->isRowSelected(5, QModelIndex()));
    QTest::mouseClick(memory->viewport(), Qt::LeftButton, Qt::ShiftModifier, RowPoint(memory, 8));
    EXPECT_EQ(memory->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(form.SelectedRow(1), 8);

    // The cell holding the keyboard's position is drawn like the rest of
    // its row: with or without focus, the same pixels.
    QAbstractItemDelegate *delegate = memory->itemDelegate();
    const QModelIndex index = memory->model()->index(8, 2);
    QStyleOptionViewItem option;
    option.initFrom(memory->viewport());
    option.rect = QRect(0, 0, 84, form.GridRowHeight(1));
    option.state |= QStyle::State_Selected | QStyle::State_Enabled | QStyle::State_Active;
    auto paint = [&](bool focus) {
        QImage image(option.rect.size(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QStyleOptionViewItem o = option;
        if (focus)
            o.state |= QStyle::State_HasFocus;
        delegate->paint(&painter, o, index);
        return image;
    };
    EXPECT_EQ(paint(true), paint(false));
}

TEST_F(CorrectionsTest, ReverseAndTheShiftOptionsStandInsideTheFrequencyGroup)
{
    FakeDocumentHost host;
    host.StartLikeTheMainWindow();
    TMemory memory(host);
    TVFO vfo(host);
    TCALL call(host);
    for (TFrequencyEditor *editor : std::initializer_list<TFrequencyEditor *>{&memory, &vfo, &call}) {
        editor->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(editor));
        const QRect inside = editor->GroupBox1->contentsRect();
        const QRect reverse = editor->CheckBox4->geometry();
        EXPECT_GE(reverse.top(), inside.top()) << editor->objectName().toStdString();
        EXPECT_LE(editor->RadioButton5->geometry().bottom(), inside.bottom()) << editor->objectName().toStdString();
        // The caption's text ends above the check box.
        const int captionBottom = editor->GroupBox1->fontMetrics().height();
        EXPECT_GE(reverse.top(), captionBottom) << editor->objectName().toStdString();
        editor->hide();
    }
}

TEST_F(CorrectionsTest, TabEntersTheShiftChoiceAtTheCheckedOption)
{
    FakeDocumentHost host;
    host.StartLikeTheMainWindow();
    host.document.SetMemoryRecord(4, QStringLiteral("004,00145000000,0,1,0,0,0,,09,,09,,0,,,,,"));
    host.SelectRow(1, 4);
    TMemory memory(host);
    memory.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&memory));
    QApplication::setActiveWindow(&memory);
    ASSERT_TRUE(memory.RadioButton2->isChecked()); // Plus Shift

    memory.CheckBox4->setFocus(Qt::TabFocusReason);
    QTest::keyClick(memory.CheckBox4, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), memory.RadioButton2);
    // The next Tab leaves the choice.
    QTest::keyClick(memory.RadioButton2, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), memory.CheckBox1);
    // Back-tab enters it at the checked option too.
    QTest::keyClick(memory.CheckBox1, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), memory.RadioButton2);

    // Another slot with another option: Tab follows the check.
    memory.LoadChannel(1); // simplex
    memory.CheckBox4->setFocus(Qt::TabFocusReason);
    QTest::keyClick(memory.CheckBox4, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), memory.RadioButton1);
    memory.hide();
}

TEST_F(CorrectionsTest, HelpContentsAreShownWholeAndEscapeOrCtrlWCloses)
{
    TApplicationShell shell;
    shell.CreateForms();
    shell.MainForm()->Help2Click();
    THelpForm *help = shell.HelpForm();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    QTreeWidget *tree = help->TreeView1;
    // Every entry's text fits its row, and every row fits the list.
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const QRect rect = tree->visualItemRect(*it);
        EXPECT_LE(tree->fontMetrics().horizontalAdvance((*it)->text(0)), rect.width()) << (*it)->text(0).toStdString();
        EXPECT_LE(rect.right(), tree->viewport()->width()) << (*it)->text(0).toStdString();
    }
    QApplication::setActiveWindow(help);
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    shell.MainForm()->Help2Click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    QApplication::setActiveWindow(help);
    QTest::keyClick(help, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(help->isVisible());
}

TEST_F(CorrectionsTest, MainWindowHasItsFixedSizeAfterAFailedCommandLineOpen)
{
    TApplicationShell shell;
    shell.SetArguments({QStringLiteral("/nonexistent/folder/missing.381")});
    shell.SetSplashIntervalForTesting(0);
    shell.CreateForms();
    TMainForm *main = shell.MainForm();
    QSize sizeAtMessage;
    Dialogs::SetMessageResponder([&](const Dialogs::MessageRequest &request) {
        messages << request.text;
        sizeAtMessage = main->windowHandle() ? main->windowHandle()->size() : main->size();
        return Dialogs::Answer::Ok;
    });
    shell.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return main->isVisible(); }, 5000));
    QTest::qWait(50);
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(messages.first().startsWith(QStringLiteral("File Open error.")));
    EXPECT_EQ(main->centralWidget()->width(), 487);
    EXPECT_EQ(main->size(), main->minimumSize());
    EXPECT_EQ(main->minimumSize(), main->maximumSize());
    EXPECT_NE(sizeAtMessage, QSize(640, 480));
    EXPECT_EQ(sizeAtMessage, main->size());
}

TEST_F(CorrectionsTest, ShellOpensOneChannelTableThatFollowsTheDocument)
{
    TApplicationShell shell;
    shell.CreateForms();
    TMainForm *main = shell.MainForm();
    EXPECT_EQ(shell.ChannelTable(), nullptr);
    main->ChannelTable1->trigger();
    TChannelTable *table = shell.ChannelTable();
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->isVisible());
    main->ChannelTable1->trigger();
    EXPECT_EQ(shell.ChannelTable(), table);
    // A change made in the main window shows in the table at once.
    main->SelectRow(1, 1);
    main->Delete1Click();
    EXPECT_TRUE(table->Proxy()->index(0, 1).data().toString().isEmpty());
    // Undo from the table's own menu reaches the main window's history.
    QAction *undo = table->findChild<QAction *>(QStringLiteral("UndoAction"));
    ASSERT_NE(undo, nullptr);
    undo->trigger();
    EXPECT_EQ(table->Proxy()->index(0, 1).data().toString(), QStringLiteral("144.000"));
    EXPECT_EQ(main->Grid(1)->item(1, 2)->text(), QStringLiteral("144.000"));
}
