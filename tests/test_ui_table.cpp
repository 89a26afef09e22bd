// The channel table window over the main window's document: sorting, find,
// in-cell editing, bulk edit, moving slots, CSV rows on the clipboard, undo,
// the main window's lists and the table in step, the main window's document
// commands, the frozen Channel column and the remembered layout.
#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/ChannelTableRules.h"
#include "data/MemoryChannel.h"
#include "support/TestSettings.h"
#include "support/TestWindows.h"
#include "ui/main/DocumentHistory.h"
#include "ui/main/MainForm.h"
#include "ui/seam/Dialogs.h"
#include "ui/table/ChannelTable.h"
#include "ui/table/ChannelTableModel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

#include <memory>

namespace {

class TableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearStoredSettings();
        form = std::make_unique<TMainForm>(&windows);
        OpenTable();
        Dialogs::SetMessageResponder([this](const Dialogs::MessageRequest &request) {
            messages << request.text;
            return Dialogs::Answer::Ok;
        });
    }

    void TearDown() override
    {
        // The windows go first: closing them may still ask or tell.
        table.reset();
        form.reset();
        SetBulkEditResponder(nullptr);
        Dialogs::ResetResponders();
    }

    // The table as the application shell makes it.
    void OpenTable()
    {
        table = std::make_unique<TChannelTable>(*form, &form->History().Stack());
        QObject::connect(form.get(), &TMainForm::DocumentChanged, table.get(), &TChannelTable::DocumentChanged);
    }

    TChannelDocument &Doc() { return form->Document(); }
    QUndoStack &Undo() { return form->History().Stack(); }

    // A channel stored as the memory editor stores it, recorded as a step.
    void Put(int slot, const QString &rx, const QString &name = QString())
    {
        TMemoryChannelEntry entry;
        entry.rxText = rx;
        entry.stepCode = QStringLiteral("3");
        entry.name = name;
        Doc().SetMemoryRecord(slot, CommitMemoryChannel(Doc(), slot, entry).record);
        form->RefreshGrids();
        form->RecordChange(QStringLiteral("Setup"));
    }

    // Text of a cell of the table as shown (view row order).
    QString Shown(int viewRow, int column)
    {
        return table->Proxy()->index(viewRow, column).data().toString();
    }
    int SlotAt(int viewRow)
    {
        return table->Proxy()->index(viewRow, 0).data(TChannelTableModel::SlotRole).toInt();
    }
    QModelIndex ViewIndex(int slot, int column)
    {
        return table->Proxy()->mapFromSource(table->Model()->index(slot - 1, column));
    }
    QString MainCell(int row, int column)
    {
        QTableWidgetItem *item = form->Grid(1)->item(row, column);
        return item ? item->text() : QString();
    }

    TestWindows windows;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<TChannelTable> table;
    QStringList messages;
};

} // namespace

TEST_F(TableTest, OneRowPerSlotWithEveryFieldAndEmptyRows)
{
    EXPECT_EQ(table->Proxy()->rowCount(), 193);
    EXPECT_EQ(table->Proxy()->columnCount(), int(tcColumnCount));
    QStringList titles;
    for (int c = 0; c < tcColumnCount; ++c)
        titles << table->Proxy()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(titles, (QStringList{"Channel", "Rx Frequency", "Step", "Shift", "Offset", "Reverse", "Tone/CTCSS",
                                   "Tone Frequency", "CTCSS Frequency", "Tx Frequency", "Lock Out", "Name"}));
    EXPECT_EQ(Shown(0, tcChannel), QStringLiteral("001"));
    EXPECT_EQ(Shown(0, tcReceive), QStringLiteral("144.000"));
    EXPECT_EQ(Shown(1, tcChannel), QStringLiteral("002"));
    EXPECT_TRUE(Shown(1, tcReceive).isEmpty());
    EXPECT_EQ(Shown(192, tcChannel), QStringLiteral("PR"));
}

TEST_F(TableTest, SortingChangesTheOrderShownButNeverTheSlots)
{
    Put(3, QStringLiteral("146.5"), QStringLiteral("ZULU"));
    Put(7, QStringLiteral("145.1"), QStringLiteral("ALPHA"));
    const TChannelDocument before = Doc();
    table->TableView1->sortByColumn(tcReceive, Qt::DescendingOrder);
    EXPECT_EQ(SlotAt(0), 3);
    EXPECT_EQ(Shown(0, tcChannel), QStringLiteral("003"));
    EXPECT_EQ(SlotAt(1), 7);
    table->TableView1->sortByColumn(tcName, Qt::AscendingOrder);
    EXPECT_EQ(Shown(SlotAt(0) == 1 ? 1 : 0, tcName).isEmpty(), false);
    table->TableView1->sortByColumn(tcReceive, Qt::AscendingOrder);
    EXPECT_EQ(SlotAt(0), 1);
    EXPECT_EQ(SlotAt(1), 7);
    EXPECT_EQ(SlotAt(2), 3);
    // Every column sorts; the document is untouched.
    for (int c = 0; c < tcColumnCount; ++c)
        table->TableView1->sortByColumn(c, Qt::AscendingOrder);
    for (int slot = 1; slot <= kMemorySlots; ++slot)
        EXPECT_EQ(Doc().Record(rkMemory, slot), before.Record(rkMemory, slot));
    EXPECT_EQ(form->Modified(), 0);
}

TEST_F(TableTest, FindByNameAndFrequencyWithFindNext)
{
    Put(10, QStringLiteral("145.5"), QStringLiteral("HOME"));
    Put(20, QStringLiteral("145.55"), QStringLiteral("HOMER"));
    EXPECT_TRUE(table->FindNext(QStringLiteral("home")));
    EXPECT_EQ(table->CurrentSlot(), 10);
    EXPECT_TRUE(table->FindNext(QStringLiteral("home")));
    EXPECT_EQ(table->CurrentSlot(), 20);
    EXPECT_TRUE(table->FindNext(QStringLiteral("home"))); // wraps
    EXPECT_EQ(table->CurrentSlot(), 10);
    EXPECT_TRUE(table->FindNext(QStringLiteral("145.55")));
    EXPECT_EQ(table->CurrentSlot(), 20);
    EXPECT_FALSE(table->FindNext(QStringLiteral("nowhere")));
    EXPECT_TRUE(table->StatusText().contains(QStringLiteral("not found")));
    // Ctrl+F opens the find bar.
    table->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table.get()));
    table->FindAction->trigger();
    EXPECT_TRUE(table->FindBar->isVisible());
    EXPECT_EQ(table->FindAction->shortcut(), QKeySequence(QKeySequence::Find));
}

TEST_F(TableTest, InCellEditsAreAppliedAdjustedOrRefusedAndEachIsOneUndoStep)
{
    Put(5, QStringLiteral("145.0"));
    const int steps = Undo().count();
    QSortFilterProxyModel *proxy = table->Proxy();

    EXPECT_TRUE(proxy->setData(ViewIndex(5, tcReceive), QStringLiteral("145.5")));
    EXPECT_EQ(ViewIndex(5, tcReceive).data().toString(), QStringLiteral("145.500"));
    EXPECT_EQ(MainCell(5, 2), QStringLiteral("145.500")); // the main list follows
    EXPECT_EQ(form->Modified(), 1);
    EXPECT_EQ(Undo().count(), steps + 1);
    EXPECT_EQ(Undo().undoText(), QStringLiteral("Edit 005 Rx Frequency"));

    // Adjusted: the cell shows what was stored and the status bar why.
    EXPECT_TRUE(proxy->setData(ViewIndex(5, tcReceive), QStringLiteral("145.5037")));
    EXPECT_EQ(ViewIndex(5, tcReceive).data().toString(), QStringLiteral("145.500"));
    EXPECT_TRUE(table->StatusText().contains(QStringLiteral("adjusted")));
    EXPECT_TRUE(messages.isEmpty());

    // Refused: the old value stays and the status bar says why, without
    // a message box.
    EXPECT_FALSE(proxy->setData(ViewIndex(5, tcName), QStringLiteral("TOOLONGNAME")));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(table->StatusText().startsWith(QStringLiteral("Invalid Memory name."))) << qPrintable(table->StatusText());
    EXPECT_TRUE(ViewIndex(5, tcName).data().toString().isEmpty());
    EXPECT_EQ(Undo().count(), steps + 1); // nothing recorded for the refusal or a no-op

    // A flag is a check box.
    EXPECT_TRUE(proxy->setData(ViewIndex(5, tcLockOut), Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 5, cfLockOut), QStringLiteral("1"));
    EXPECT_EQ(MainCell(5, 0), QStringLiteral("*"));

    // Undo takes the steps back one at a time, in the table and the lists.
    Undo().undo();
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 5, cfLockOut), QStringLiteral("0"));
    EXPECT_EQ(ViewIndex(5, tcLockOut).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    Undo().undo();
    EXPECT_EQ(ViewIndex(5, tcReceive).data().toString(), QStringLiteral("145.000"));
    EXPECT_EQ(MainCell(5, 2), QStringLiteral("145.000"));

    // Typing into a cell through the view. The name cell takes keys as the
    // editor's name box does: letters in capitals, other characters dropped.
    table->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table.get()));
    QApplication::setActiveWindow(table.get());
    table->TableView1->setCurrentIndex(ViewIndex(5, tcName));
    table->TableView1->setFocus();
    QTest::keyClick(table->TableView1, Qt::Key_F2);
    QWidget *editor = QApplication::focusWidget();
    ASSERT_NE(editor, table->TableView1);
    QTest::keyClicks(editor, QStringLiteral("hill-top"));
    EXPECT_EQ(editor->property("text").toString(), QStringLiteral("HILLTOP"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the view commits after the key
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 5, cfName), QStringLiteral("HILLTOP"));
    EXPECT_EQ(Undo().undoText(), QStringLiteral("Edit 005 Name"));

    // A name the rule refuses (eight characters): the editor stays open
    // with what was typed and the reason beside it; no message box.
    QTest::keyClick(table->TableView1, Qt::Key_F2);
    editor = QApplication::focusWidget();
    ASSERT_NE(editor, table->TableView1);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("hilltops"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), editor);
    EXPECT_EQ(editor->property("text").toString(), QStringLiteral("HILLTOPS"));
    ASSERT_TRUE(table->CellReasonLabel->isVisible());
    EXPECT_TRUE(table->CellReasonLabel->text().startsWith(QStringLiteral("Invalid Memory name."))) << qPrintable(table->CellReasonLabel->text());
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 5, cfName), QStringLiteral("HILLTOP"));
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Doc().GetRecordField(rkMemory, 5, cfName) == QStringLiteral("HILLTO"); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !table->CellReasonLabel->isVisible(); }));
    // Committed by leaving the cell: the cell opens again with the text.
    QTest::keyClick(table->TableView1, Qt::Key_F2);
    editor = QApplication::focusWidget();
    ASSERT_NE(editor, table->TableView1);
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClicks(editor, QStringLiteral("XY"));
    table->FindAction->trigger(); // the focus goes to the find box
    ASSERT_TRUE(QTest::qWaitFor([&] {
        QWidget *again = QApplication::focusWidget();
        return again && again != editor && again->property("text").toString() == QStringLiteral("HILLTOXY");
    }));
    EXPECT_TRUE(table->CellReasonLabel->isVisible());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TableTest, FrequencyCellsKeepWhatWasTypedOrRefuse)
{
    Put(5, QStringLiteral("144.8"));
    QSortFilterProxyModel *proxy = table->Proxy();
    EXPECT_TRUE(proxy->setData(ViewIndex(5, tcTransmit), QStringLiteral("144.2")));
    const int steps = Undo().count();
    const QString split = Doc().Record(rkMemory, 5);

    // A Tx frequency in another band is refused with the reason, not moved.
    EXPECT_FALSE(proxy->setData(ViewIndex(5, tcTransmit), QStringLiteral("435.0")));
    EXPECT_TRUE(table->StatusText().startsWith(QStringLiteral("Tx 435.000 MHz is not in the band of Rx 144.800 MHz")))
        << qPrintable(table->StatusText());
    EXPECT_EQ(ViewIndex(5, tcTransmit).data().toString(), QStringLiteral("144.200"));
    // So is a Rx frequency that would leave the Tx frequency in another band.
    EXPECT_FALSE(proxy->setData(ViewIndex(5, tcReceive), QStringLiteral("435.0")));
    EXPECT_TRUE(table->StatusText().startsWith(QStringLiteral("Tx 144.200 MHz is not in the band of Rx 435.000 MHz")))
        << qPrintable(table->StatusText());
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(Doc().Record(rkMemory, 5), split);
    EXPECT_EQ(Undo().count(), steps);

    // A channel typed into an empty row keeps its frequency: it takes a
    // step that holds it.
    EXPECT_TRUE(proxy->setData(ViewIndex(30, tcReceive), QStringLiteral("145.6125")));
    EXPECT_EQ(ViewIndex(30, tcReceive).data().toString(), QStringLiteral("145.6125"));
    EXPECT_EQ(ViewIndex(30, tcStep).data().toString(), QStringLiteral("12.5kHz"));
    EXPECT_FALSE(table->StatusText().contains(QStringLiteral("adjusted")));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TableTest, AListCellLeftWithoutAChoiceChangesNothing)
{
    // 69.4 Hz and a 30 kHz step: values the lists do not offer.
    Doc().SetMemoryRecord(6, QStringLiteral("006,00145030000,7,0,0,1,0,,02,,02,,0,,,,,"));
    form->RefreshGrids();
    form->RecordChange(QStringLiteral("Setup"));
    const QString before = Doc().Record(rkMemory, 6);
    const int steps = Undo().count();
    table->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table.get()));
    QApplication::setActiveWindow(table.get());
    for (int column : {int(tcToneFrequency), int(tcCtcssFrequency), int(tcStep)}) {
        const QString shown = ViewIndex(6, column).data().toString();
        table->TableView1->setCurrentIndex(ViewIndex(6, column));
        table->TableView1->setFocus();
        QTest::keyClick(table->TableView1, Qt::Key_F2);
        QWidget *list = QApplication::focusWidget();
        ASSERT_NE(list, table->TableView1);
        EXPECT_EQ(list->property("currentText").toString(), shown); // the list shows the stored value
        QTest::keyClick(list, Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == table->TableView1; }));
        EXPECT_EQ(Doc().Record(rkMemory, 6), before) << qPrintable(TableColumnTitle(column));
    }
    EXPECT_EQ(Undo().count(), steps);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TableTest, BulkEditOfAMixedSelectionIsOneNamedStep)
{
    Put(1, QStringLiteral("145.0"));
    Put(2, QStringLiteral("145.5"));
    Put(181, QStringLiteral("435.0"));
    const TChannelDocument before = Doc();
    table->SelectSlots({1, 2, 3, 181});
    EXPECT_EQ(table->SelectedSlots(), (QList<int>{1, 2, 3, 181}));
    SetBulkEditResponder([](TBulkEdit &edit) {
        edit.stepPosition = 6;
        edit.lockOut = true;
        return true;
    });
    const int steps = Undo().count();
    table->BulkEditAction->trigger();
    EXPECT_EQ(Undo().count(), steps + 1);
    EXPECT_EQ(Undo().undoText(), QStringLiteral("Bulk Edit 4 Channels"));
    for (int slot : {1, 2, 181})
        EXPECT_EQ(Doc().GetRecordField(rkMemory, slot, cfStep), QStringLiteral("6"));
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 1, cfLockOut), QStringLiteral("1"));
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 181, cfLockOut), QStringLiteral("0"));
    EXPECT_TRUE(Doc().Record(rkMemory, 3).isEmpty());
    EXPECT_TRUE(table->StatusText().contains(QStringLiteral("L1: no lock-out")));
    EXPECT_EQ(MainCell(1, 0), QStringLiteral("*"));

    // Clear is a step of its own.
    table->SelectSlots({1, 2});
    table->ClearAction->trigger();
    EXPECT_EQ(Undo().undoText(), QStringLiteral("Clear 2 Channels"));
    EXPECT_TRUE(Doc().Record(rkMemory, 1).isEmpty());
    EXPECT_TRUE(MainCell(1, 2).isEmpty());
    Undo().undo();
    Undo().undo();
    for (int slot = 1; slot <= kMemorySlots; ++slot)
        EXPECT_EQ(Doc().Record(rkMemory, slot), before.Record(rkMemory, slot));

    // Cancelling the dialog changes nothing.
    SetBulkEditResponder([](TBulkEdit &) { return false; });
    table->BulkEditAction->trigger();
    EXPECT_EQ(Undo().undoText(), QStringLiteral("Setup"));
}

TEST_F(TableTest, BulkEditOfTheStepAsksBeforeMovingAFrequency)
{
    Put(12, QStringLiteral("145.7875"));
    Put(13, QStringLiteral("145.0"));
    const TChannelDocument before = Doc();
    const int steps = Undo().count();
    QList<Dialogs::MessageRequest> asked;
    Dialogs::Answer answer = Dialogs::Answer::No;
    Dialogs::SetMessageResponder([&](const Dialogs::MessageRequest &request) {
        asked << request;
        return answer;
    });
    SetBulkEditResponder([](TBulkEdit &edit) {
        edit.stepPosition = 0; // 5 kHz
        return true;
    });

    // No: nothing changes.
    table->SelectSlots({12, 13});
    table->BulkEditAction->trigger();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].buttons, Dialogs::Buttons::YesNo);
    EXPECT_TRUE(asked[0].text.contains(QStringLiteral("012: 145.7875 MHz -> 145.785 MHz"))) << qPrintable(asked[0].text);
    EXPECT_FALSE(asked[0].text.contains(QStringLiteral("013")));
    EXPECT_EQ(Undo().count(), steps);
    for (int slot = 1; slot <= kMemorySlots; ++slot)
        EXPECT_EQ(Doc().Record(rkMemory, slot), before.Record(rkMemory, slot));

    // Yes: the step is set and the frequency moved.
    answer = Dialogs::Answer::Yes;
    table->SelectSlots({12, 13});
    table->BulkEditAction->trigger();
    EXPECT_EQ(asked.size(), 2);
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 12, cfReceiveFrequency), QStringLiteral("00145785000"));
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 13, cfStep), QStringLiteral("0"));
    EXPECT_EQ(Undo().count(), steps + 1);

    // A long list is cut short.
    QList<int> many;
    for (int slot = 100; slot < 125; ++slot) {
        Put(slot, QStringLiteral("146.0125"));
        many << slot;
    }
    answer = Dialogs::Answer::No;
    table->SelectSlots(many);
    table->BulkEditAction->trigger();
    ASSERT_EQ(asked.size(), 3);
    EXPECT_TRUE(asked[2].text.contains(QStringLiteral("and 5 more"))) << qPrintable(asked[2].text);
    EXPECT_EQ(asked[2].text.count(QStringLiteral(" -> ")), 20);
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 124, cfReceiveFrequency), QStringLiteral("00146012500"));
}

TEST_F(TableTest, MoveSwapInsertAndDeleteRenumberSlotsAndUndo)
{
    Doc().ClearMemoryRecord(1);
    for (int slot = 1; slot <= 4; ++slot)
        Put(slot, QStringLiteral("145.%1").arg(slot), QStringLiteral("N%1").arg(slot));
    const TChannelDocument before = Doc();
    auto names = [this](int count) {
        QStringList list;
        for (int slot = 1; slot <= count; ++slot)
            list << Doc().GetRecordField(rkMemory, slot, cfName);
        return list;
    };

    table->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table.get()));
    table->SelectSlots({3});
    table->TableView1->setFocus();
    QTest::keyClick(table->TableView1, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(names(4), (QStringList{"N1", "N3", "N2", "N4"}));
    EXPECT_EQ(table->SelectedSlots(), QList<int>{2}); // the selection moves with the row
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 2, cfLabel), QStringLiteral("002"));
    EXPECT_EQ(MainCell(2, 3), QStringLiteral("N3"));
    EXPECT_EQ(Undo().undoText(), QStringLiteral("Move 003 Up"));

    table->MoveDownAction->trigger();
    EXPECT_EQ(names(4), (QStringList{"N1", "N2", "N3", "N4"}));

    table->SelectSlots({1, 4});
    table->SwapAction->trigger();
    EXPECT_EQ(names(4), (QStringList{"N4", "N2", "N3", "N1"}));
    EXPECT_EQ(Undo().undoText(), QStringLiteral("Swap 001 and 004"));

    table->SelectSlots({2});
    table->InsertAction->trigger();
    EXPECT_EQ(names(5), (QStringList{"N4", "", "N2", "N3", "N1"}));
    EXPECT_EQ(Undo().undoText(), QStringLiteral("Insert Empty Slot 002"));

    table->SelectSlots({1, 2});
    table->DeleteCloseAction->trigger();
    EXPECT_EQ(names(4), (QStringList{"N2", "N3", "N1", ""}));
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 1, cfLabel), QStringLiteral("001"));
    EXPECT_EQ(MainCell(1, 3), QStringLiteral("N2"));

    // A refused move explains itself and changes nothing.
    table->SelectSlots({181});
    table->MoveUpAction->trigger();
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(messages.last().contains(QStringLiteral("001..180")));

    for (int i = 0; i < 5; ++i)
        Undo().undo();
    for (int slot = 1; slot <= kMemorySlots; ++slot)
        EXPECT_EQ(Doc().Record(rkMemory, slot), before.Record(rkMemory, slot)) << slot;
    EXPECT_EQ(MainCell(1, 3), QStringLiteral("N1"));
}

TEST_F(TableTest, ADropOnAFreeSlotPlacesTheChannelThereAndOnAChannelAsks)
{
    for (int slot = 20; slot <= 24; ++slot)
        Put(slot, QStringLiteral("145.%1").arg(slot), QStringLiteral("N%1").arg(slot));
    auto names = [this] {
        QStringList list;
        for (int slot = 20; slot <= 26; ++slot)
            list << (Doc().Record(rkMemory, slot).isEmpty() ? QStringLiteral("-") : Doc().GetRecordField(rkMemory, slot, cfName));
        return list.join(QLatin1Char(' '));
    };
    QList<Dialogs::ChoiceRequest> asked;
    QString answer;
    Dialogs::SetChoiceResponder([&](const Dialogs::ChoiceRequest &request) {
        asked << request;
        return int(request.choices.indexOf(answer));
    });
    // Rows are dropped onto a row of the table as the view drops them.
    auto drop = [this](int from, int onto) {
        QModelIndexList dragged{ViewIndex(from, tcChannel), ViewIndex(from, tcName)};
        std::unique_ptr<QMimeData> data(table->Proxy()->mimeData(dragged));
        table->Proxy()->dropMimeData(data.get(), Qt::MoveAction, -1, -1, ViewIndex(onto, tcReceive));
    };
    table->TableView1->sortByColumn(tcName, Qt::DescendingOrder); // the order shown does not matter

    // 020 onto the free 025: there, and nothing else moves.
    drop(20, 25);
    EXPECT_EQ(names(), QStringLiteral("- N21 N22 N23 N24 N20 -"));
    EXPECT_EQ(Undo().undoText(), QStringLiteral("Move 020 to 025"));
    EXPECT_TRUE(asked.isEmpty());

    // 021 onto the channel on 025: Swap, Insert here or Cancel, asked once
    // the drop is over.
    answer = QStringLiteral("Cancel");
    drop(21, 25);
    ASSERT_TRUE(QTest::qWaitFor([&] { return asked.size() == 1; }));
    EXPECT_EQ(asked[0].choices, (QStringList{"&Swap", "&Insert here", "Cancel"}));
    EXPECT_TRUE(asked[0].text.startsWith(QStringLiteral("Slot 025 holds a channel."))) << qPrintable(asked[0].text);
    EXPECT_EQ(names(), QStringLiteral("- N21 N22 N23 N24 N20 -"));
    answer = QStringLiteral("&Swap");
    drop(21, 25);
    ASSERT_TRUE(QTest::qWaitFor([&] { return names() == QStringLiteral("- N20 N22 N23 N24 N21 -"); })) << qPrintable(names());
    EXPECT_EQ(Undo().undoText(), QStringLiteral("Swap 021 and 025"));
    answer = QStringLiteral("&Insert here");
    drop(25, 22);
    ASSERT_TRUE(QTest::qWaitFor([&] { return names() == QStringLiteral("- N20 N21 N22 N23 N24 -"); })) << qPrintable(names());
    EXPECT_EQ(Undo().undoText(), QStringLiteral("Insert 025 at 022"));
    EXPECT_EQ(table->SelectedSlots(), QList<int>{22});
    EXPECT_EQ(MainCell(22, 3), QStringLiteral("N21"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TableTest, RowsTravelAsCsvText)
{
    Put(8, QStringLiteral("145.5"), QStringLiteral("HOME"));
    Put(9, QStringLiteral("433.5"), QStringLiteral("UHF"));
    table->SelectSlots({8, 9});
    table->CopyAction->trigger();
    const QString text = QApplication::clipboard()->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Location,")));
    EXPECT_TRUE(text.contains(QStringLiteral("HOME")));

    // Pasted at the current row: the rows take that slot and the next.
    table->SelectSlots({50});
    table->PasteAction->trigger();
    EXPECT_EQ(Undo().undoText(), QStringLiteral("Paste 2 Row(s)"));
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 50, cfName), QStringLiteral("HOME"));
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 51, cfReceiveFrequency), QStringLiteral("00433500000"));
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 51, cfLabel), QStringLiteral("051"));
    EXPECT_EQ(MainCell(50, 3), QStringLiteral("HOME"));

    // Pasted at 180 the second row would go on into L1: asked first, and
    // No pastes only the row that fits.
    QStringList questions;
    Dialogs::SetMessageResponder([&](const Dialogs::MessageRequest &request) {
        messages << request.text;
        if (request.buttons != Dialogs::Buttons::YesNoCancel)
            return Dialogs::Answer::Ok;
        questions << request.text;
        return Dialogs::Answer::No;
    });
    const QString edge = Doc().Record(rkMemory, 181);
    table->SelectSlots({180});
    table->PasteAction->trigger();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].startsWith(QStringLiteral("1 pasted row would run past channel 180:\nline 3 would go to L1")))
        << questions[0].toStdString();
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 180, cfName), QStringLiteral("HOME"));
    EXPECT_EQ(Doc().Record(rkMemory, 181), edge);

    // Text from a spreadsheet without a Location column.
    QApplication::clipboard()->setText(QStringLiteral("Frequency;Name\n146.52;SIMPLEX\n"));
    table->SelectSlots({60});
    table->PasteAction->trigger();
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 60, cfName), QStringLiteral("SIMPLEX"));

    // Text that is no table: refused with the reason, nothing changes.
    const int steps = Undo().count();
    QApplication::clipboard()->setText(QStringLiteral("hello"));
    table->PasteAction->trigger();
    EXPECT_EQ(Undo().count(), steps);
    EXPECT_FALSE(messages.isEmpty());
}

TEST_F(TableTest, ChangesElsewhereShowInTheTableAtOnce)
{
    // The main window's Delete.
    form->SelectRow(1, 1);
    form->Delete1Click();
    EXPECT_TRUE(ViewIndex(1, tcReceive).data().toString().isEmpty());
    // Any change the main window redraws (editor, paste, read, undo).
    Doc().SetMemoryRecord(12, Doc().Record(rkMemory, 1));
    Put(12, QStringLiteral("147.0"), QStringLiteral("NEW"));
    EXPECT_EQ(ViewIndex(12, tcName).data().toString(), QStringLiteral("NEW"));
    Undo().undo();
    EXPECT_TRUE(ViewIndex(12, tcName).data().toString().isEmpty());
    // A sorted table re-sorts.
    table->TableView1->sortByColumn(tcReceive, Qt::DescendingOrder);
    Put(100, QStringLiteral("173.0"));
    EXPECT_EQ(SlotAt(0), 100);
}

TEST_F(TableTest, EachChangeRedrawsOnlyTheRowsItChanged)
{
    Put(5, QStringLiteral("145.0"));
    Put(40, QStringLiteral("146.0"), QStringLiteral("FAR"));
    QSignalSpy changed(table->Model(), &QAbstractItemModel::dataChanged);
    QSignalSpy reset(table->Model(), &QAbstractItemModel::modelReset);
    using Ranges = QList<QList<int>>; // first row, last row, first column, last column
    auto ranges = [&] {
        Ranges list;
        for (const QList<QVariant> &args : std::as_const(changed)) {
            const QModelIndex from = args[0].toModelIndex(), to = args[1].toModelIndex();
            list << QList<int>{from.row(), to.row(), from.column(), to.column()};
        }
        changed.clear();
        return list;
    };
    const int last = tcColumnCount - 1;

    // A cell edit: its slot's row, once.
    EXPECT_TRUE(table->Proxy()->setData(ViewIndex(5, tcName), QStringLiteral("CQ")));
    EXPECT_EQ(ranges(), (Ranges{{4, 4, 0, last}}));
    Undo().undo();
    EXPECT_EQ(ranges(), (Ranges{{4, 4, 0, last}}));
    Undo().redo();
    EXPECT_EQ(ranges(), (Ranges{{4, 4, 0, last}}));
    // A change made in the main window.
    Put(12, QStringLiteral("147.0"), QStringLiteral("NEW"));
    EXPECT_EQ(ranges(), (Ranges{{11, 11, 0, last}}));
    // A move: the rows it renumbers.
    table->SelectSlots({40});
    table->MoveUpAction->trigger();
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 39, cfName), QStringLiteral("FAR"));
    EXPECT_EQ(ranges(), (Ranges{{38, 39, 0, last}}));
    // A redraw without a change: nothing.
    form->RefreshGrids();
    EXPECT_TRUE(ranges().isEmpty());
    EXPECT_EQ(reset.count(), 0);

    // The VFO offset shows in the Offset column of every channel that shifts.
    EXPECT_TRUE(table->Proxy()->setData(ViewIndex(5, tcShift), QStringLiteral("Plus")));
    ranges();
    QStringList vfo = Doc().Record(rkVfo, 1).split(QLatin1Char(','));
    ASSERT_GT(vfo.size(), int(cfOffset));
    vfo[cfOffset] = QStringLiteral("001000000");
    Doc().SetVfoRecord(1, vfo.join(QLatin1Char(',')));
    form->RefreshGrids();
    EXPECT_EQ(ViewIndex(5, tcOffset).data().toString(), QStringLiteral("1.00"));
    EXPECT_EQ(ranges(), (Ranges{{0, kMemorySlots - 1, tcOffset, tcOffset}}));

    // Sorting and find follow an edit.
    table->TableView1->sortByColumn(tcReceive, Qt::DescendingOrder);
    EXPECT_TRUE(table->Proxy()->setData(ViewIndex(5, tcReceive), QStringLiteral("173.5")));
    EXPECT_EQ(SlotAt(0), 5);
    EXPECT_TRUE(table->FindNext(QStringLiteral("173.5")));
    EXPECT_EQ(table->CurrentSlot(), 5);
}

TEST_F(TableTest, ColumnLayoutAndGeometryAreStoredWhileTheWindowIsOpen)
{
    table->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table.get()));
    QHeaderView *header = table->TableView1->horizontalHeader();
    header->moveSection(header->visualIndex(tcName), 1);
    header->resizeSection(tcReceive, 171);
    table->resize(700, 420);
    // Stored once the changes pause, with the window still open.
    ASSERT_TRUE(QTest::qWaitFor([&] { return StoredTableColumns() == header->saveState(); }));
    EXPECT_FALSE(StoredTableGeometry().isEmpty());
    // The program ends with the window open: its last change is kept too.
    header->resizeSection(tcStep, 99);
    table.reset();

    OpenTable();
    table->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table.get()));
    header = table->TableView1->horizontalHeader();
    EXPECT_EQ(header->visualIndex(tcName), 1);
    EXPECT_EQ(header->visualIndex(tcChannel), 0);
    EXPECT_EQ(header->sectionSize(tcReceive), 171);
    EXPECT_EQ(header->sectionSize(tcStep), 99);
    EXPECT_EQ(table->size(), QSize(700, 420));
}

TEST_F(TableTest, TheChannelColumnStaysInViewAndTheDefaultSizeShowsEveryColumn)
{
    // The size it opens at without a stored one shows every column, Name
    // included, within a 1280-pixel-wide screen (a window frame besides).
    const QSize opening = table->DefaultSize();
    EXPECT_LE(opening.width(), 1280 - 20);
    table->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table.get()));
    table->resize(opening);
    QTableView *view = table->TableView1;
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->viewport()->width() > opening.width() / 2; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0);
    QHeaderView *header = view->horizontalHeader();
    EXPECT_LE(header->sectionViewportPosition(tcName) + header->sectionSizeHint(tcName), view->viewport()->width());

    // Scrolled sideways in a narrow window, the Channel column stays in
    // view beside the other columns, row for row.
    table->resize(420, 400);
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->horizontalScrollBar()->maximum() > 0; }));
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum() / 2);
    QCoreApplication::processEvents();
    EXPECT_GT(header->sectionViewportPosition(tcName), 0);
    EXPECT_LT(header->sectionViewportPosition(tcChannel), 0); // the table's own column scrolled away
    auto *frozen = view->findChild<QTableView *>(QStringLiteral("FrozenColumnView"));
    ASSERT_NE(frozen, nullptr);
    EXPECT_TRUE(frozen->isVisible());
    EXPECT_LE(frozen->geometry().left(), view->frameWidth());
    EXPECT_EQ(frozen->horizontalHeader()->model()->headerData(tcChannel, Qt::Horizontal).toString(), QStringLiteral("Channel"));
    const int row = view->rowAt(view->viewport()->height() / 2);
    ASSERT_GT(row, 20);
    const QModelIndex shown = frozen->indexAt(QPoint(2, frozen->rowViewportPosition(row) + 2));
    EXPECT_EQ(shown.column(), int(tcChannel));
    EXPECT_EQ(shown.row(), row);
    EXPECT_EQ(frozen->rowAt(frozen->viewport()->height() / 2), row);
    EXPECT_EQ(frozen->viewport()->mapTo(view, QPoint(0, 0)).x(), view->frameWidth());
}

TEST_F(TableTest, TheDocumentCommandsAreTheMainWindowsWithTheSameKeys)
{
    const QList<std::pair<QAction *, QAction *>> commands = {
        {table->NewAction, form->New1},       {table->OpenAction, form->Open1},
        {table->SaveAction, form->Save1},     {table->SaveAsAction, form->SaveAs1},
        {table->ReadAction, form->Read1},     {table->WriteAction, form->Write1},
        {table->UndoAction, form->UndoAction}, {table->RedoAction, form->RedoAction}};
    for (const auto &[mine, main] : commands) {
        ASSERT_NE(mine, nullptr) << qPrintable(main->objectName());
        EXPECT_EQ(mine->shortcuts(), main->shortcuts()) << qPrintable(main->objectName());
        EXPECT_EQ(mine->text(), main->text()) << qPrintable(main->objectName());
    }

    QList<Dialogs::FileRequest> files;
    Dialogs::SetFileResponder([&](const Dialogs::FileRequest &request) {
        files << request;
        return QString(); // cancelled
    });
    table->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table.get()));
    QApplication::setActiveWindow(table.get());
    // Ctrl+S while a name is typed: the name goes into the document, then
    // the main window's Save asks for a file name (the document is untitled).
    table->TableView1->setCurrentIndex(ViewIndex(1, tcName));
    table->TableView1->setFocus();
    QTest::keyClick(table->TableView1, Qt::Key_F2);
    QWidget *editor = QApplication::focusWidget();
    ASSERT_NE(editor, table->TableView1);
    QTest::keyClicks(editor, QStringLiteral("home"));
    QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 1, cfName), QStringLiteral("HOME"));
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(files[0].save);
    // Ctrl+O: the unsaved-changes question, then the open dialog.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == table->TableView1; }));
    messages.clear();
    QTest::keyClick(table->TableView1, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Data is changed.")));
    ASSERT_EQ(files.size(), 2);
    EXPECT_FALSE(files[1].save);
    // Ctrl+N: a new document, shown in the table.
    QTest::keyClick(table->TableView1, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(Doc().GetRecordField(rkMemory, 1, cfName).isEmpty());
    EXPECT_TRUE(ViewIndex(1, tcName).data().toString().isEmpty());
    EXPECT_EQ(form->Modified(), 0);
}

TEST_F(TableTest, KeysInAnOpenCellBelongToItsEditor)
{
    Put(5, QStringLiteral("145.0"), QStringLiteral("A"));
    Put(6, QStringLiteral("145.5"), QStringLiteral("B"));
    Put(7, QStringLiteral("146.0"), QStringLiteral("C"));
    const TChannelDocument before = Doc();
    const int steps = Undo().count();
    table->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table.get()));
    QApplication::setActiveWindow(table.get());
    for (int column : {int(tcShift), int(tcStep), int(tcName)}) {
        table->TableView1->setCurrentIndex(ViewIndex(6, column));
        table->TableView1->setFocus();
        QTest::keyClick(table->TableView1, Qt::Key_F2);
        QWidget *editor = QApplication::focusWidget();
        ASSERT_NE(editor, table->TableView1);
        EXPECT_FALSE(table->MoveDownAction->isEnabled());
        if (auto *list = qobject_cast<QComboBox *>(editor)) {
            // Alt+Down and Alt+Up open the list and close it again.
            QTest::keyClick(editor, Qt::Key_Down, Qt::AltModifier);
            ASSERT_TRUE(QTest::qWaitFor([&] { return list->view()->isVisible(); }));
            QTest::keyClick(list->view(), Qt::Key_Up, Qt::AltModifier);
            ASSERT_TRUE(QTest::qWaitFor([&] { return !list->view()->isVisible(); }));
            QTest::keyClick(editor, Qt::Key_Up, Qt::AltModifier);
            ASSERT_TRUE(QTest::qWaitFor([&] { return list->view()->isVisible(); }));
            QTest::keyClick(list->view(), Qt::Key_Down, Qt::AltModifier);
            ASSERT_TRUE(QTest::qWaitFor([&] { return !list->view()->isVisible(); }));
        } else {
            QTest::keyClick(editor, Qt::Key_Down, Qt::AltModifier);
            QTest::keyClick(editor, Qt::Key_Up, Qt::AltModifier);
        }
        EXPECT_EQ(QApplication::focusWidget(), editor) << column;
        QTest::keyClick(editor, Qt::Key_Escape);
        ASSERT_TRUE(QTest::qWaitFor([&] { return table->MoveDownAction->isEnabled(); }));
        for (int slot = 5; slot <= 8; ++slot)
            EXPECT_EQ(Doc().Record(rkMemory, slot), before.Record(rkMemory, slot)) << column << " " << slot;
    }
    EXPECT_EQ(Undo().count(), steps);
    // Without an open editor the keys move the row.
    table->SelectSlots({6});
    table->TableView1->setFocus();
    QTest::keyClick(table->TableView1, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(Doc().GetRecordField(rkMemory, 7, cfName), QStringLiteral("B"));
}

TEST_F(TableTest, CellsThatCanNeverChangeLookAndActReadOnly)
{
    Doc().SetRadioType(QStringLiteral("0,3,00,1,1,,")); // a type with the -7.6MHz Shift
    Put(5, QStringLiteral("145.0"));
    Put(7, QStringLiteral("435.0"));
    Put(181, QStringLiteral("145.0"));
    QSortFilterProxyModel *proxy = table->Proxy();
    EXPECT_TRUE(proxy->setData(ViewIndex(5, tcShift), QStringLiteral("Plus")));

    // The offset is the band's VFO offset: read-only, and says so.
    const QModelIndex offset = ViewIndex(5, tcOffset);
    EXPECT_FALSE(offset.flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(offset.data(Qt::ToolTipRole).toString().contains(QStringLiteral("VFO editor")));
    EXPECT_TRUE(proxy->headerData(tcOffset, Qt::Horizontal, Qt::ToolTipRole).toString().contains(QStringLiteral("VFO editor")));
    // L1..U6 and PR have no lock-out: no check box.
    EXPECT_FALSE(ViewIndex(181, tcLockOut).data(Qt::CheckStateRole).isValid());
    EXPECT_FALSE(ViewIndex(181, tcLockOut).flags() & Qt::ItemIsUserCheckable);
    EXPECT_TRUE(ViewIndex(5, tcLockOut).data(Qt::CheckStateRole).isValid());

    // The Shift list offers -7.6MHz only where the row can take it.
    table->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table.get()));
    QApplication::setActiveWindow(table.get());
    auto offered = [&](int slot) {
        table->TableView1->setCurrentIndex(ViewIndex(slot, tcShift));
        table->TableView1->setFocus();
        QTest::keyClick(table->TableView1, Qt::Key_F2);
        auto *list = qobject_cast<QComboBox *>(QApplication::focusWidget());
        QStringList items;
        for (int i = 0; list && i < list->count(); ++i)
            items << list->itemText(i);
        if (list)
            QTest::keyClick(list, Qt::Key_Escape);
        return items;
    };
    EXPECT_EQ(offered(5), (QStringList{"Simplex", "Plus", "Minus"}));
    EXPECT_EQ(offered(7), (QStringList{"Simplex", "Plus", "Minus", "-7.6MHz"}));

    // Bulk Edit offers only what it can change: no offset.
    QStringList fields;
    QTimer finder;
    QObject::connect(&finder, &QTimer::timeout, [&] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QStringLiteral("BulkEditDialog") && window->isVisible()) {
                for (QCheckBox *box : window->findChildren<QCheckBox *>())
                    fields << box->text().remove(QLatin1Char('&'));
                static_cast<QDialog *>(window)->reject();
                finder.stop();
            }
        }
    });
    finder.start(0);
    table->SelectSlots({5, 7});
    table->BulkEditAction->trigger();
    EXPECT_EQ(fields, (QStringList{"Step", "Shift", "Tone/CTCSS", "Tone Frequency", "CTCSS Frequency", "Lock Out"}));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TableTest, MainWindowOpensTheTableFromTheViewMenu)
{
    struct Services : TestWindows {
        int tables = 0;
        void ShowChannelTable() override { ++tables; }
    } services;
    TMainForm main(&services);
    main.ChannelTable1->trigger();
    EXPECT_EQ(services.tables, 1);
}
