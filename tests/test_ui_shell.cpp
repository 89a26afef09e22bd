// Start-up, the wiring of the windows, the splash hand-over, the end of the
// program, the about box, the help window and the channel table.
#include "app/ApplicationShell.h"
#include "app/EditorOptions.h"
#include "data/ChannelDocument.h"
#include "support/Pty.h"
#include "support/TestSettings.h"
#include "ui/editors/CALL.h"
#include "ui/editors/DTMF.h"
#include "ui/editors/Memory.h"
#include "ui/editors/VFO.h"
#include "ui/info/AboutBox.h"
#include "ui/info/HelpForm.h"
#include "ui/info/Welcome.h"
#include "ui/main/MainForm.h"
#include "ui/port/SerialPortForm.h"
#include "ui/seam/Dialogs.h"
#include "ui/table/ChannelTable.h"
#include "ui/transfer/ReadForm.h"
#include "ui/transfer/WriteForm.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QDialogButtonBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>
#include <QRegularExpression>
#include <QGuiApplication>

#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <vector>

namespace {

bool AllFormsCleared(const TApplicationShell &s)
{
    return !s.Welcome() && !s.MainForm() && !s.Memory() && !s.VFO() && !s.CALL() && !s.DTMF()
        && !s.ReadForm() && !s.WriteForm() && !s.AboutBox() && !s.HelpForm();
}

// Counts the times a window is shown.
class ShowCounter : public QObject {
public:
    int shows = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

// What a screen-reader user cannot use in window: each control the user
// works (buttons, fields, lists, menu items, ...) as the accessibility
// tree shows it, when it has no name, when a control of the window has no
// description, or when Tab never reaches it. Controls hidden in the window
// are left out; so are the items inside a list, which name themselves by
// their text.
QStringList AccessibilityGaps(QWidget *window)
{
    static const QList<QAccessible::Role> kControls = {
        QAccessible::PushButton, QAccessible::ButtonMenu, QAccessible::ButtonDropDown, QAccessible::CheckBox,
        QAccessible::RadioButton, QAccessible::ComboBox,   QAccessible::EditableText,   QAccessible::SpinBox,
        QAccessible::Slider,     QAccessible::Dial,       QAccessible::List,           QAccessible::Table,
        QAccessible::Tree,       QAccessible::MenuItem,   QAccessible::PageTab,        QAccessible::Link};
    static const QList<QAccessible::Role> kItemViews = {QAccessible::List, QAccessible::Table, QAccessible::Tree,
                                                         QAccessible::ComboBox};
    QStringList gaps;
    std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
        auto *widget = qobject_cast<QWidget *>(node->object());
        if (widget && widget != window && !widget->isVisibleTo(window))
            return;
        const QAccessible::Role role = node->role();
        if (kControls.contains(role)) {
            const QString name = node->text(QAccessible::Name).trimmed();
            QString what = QStringLiteral("%1 %2 (role 0x%3)")
                               .arg(window->objectName(), node->object() ? node->object()->objectName() : QString())
                               .arg(int(role), 0, 16);
            if (name.isEmpty())
                gaps << what + QStringLiteral(": no name");
            what += QStringLiteral(" \"%1\"").arg(name);
            if (widget && node->text(QAccessible::Description).trimmed().isEmpty())
                gaps << what + QStringLiteral(": no description");
            // Radio buttons are reached with the arrow keys inside their
            // group; the frozen channel column mirrors the table's own.
            if (widget && !(widget->focusPolicy() & Qt::TabFocus) && !qobject_cast<QRadioButton *>(widget)
                && widget->objectName() != QLatin1String("FrozenColumnView"))
                gaps << what + QStringLiteral(": Tab never reaches it");
        }
        if (kItemViews.contains(role))
            return;
        for (int i = 0; i < node->childCount(); ++i)
            if (QAccessibleInterface *child = node->child(i))
                walk(child);
    };
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(window);
    if (!root)
        return {window->objectName() + QStringLiteral(": no accessible interface")};
    walk(root);
    return gaps;
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearStoredSettings();
        Dialogs::SetMessageResponder([this](const Dialogs::MessageRequest &request) {
            messages.push_back(request);
            return Dialogs::Answer::No;
        });
    }
    void TearDown() override { Dialogs::ResetResponders(); }

    std::vector<Dialogs::MessageRequest> messages;
};

} // namespace

TEST_F(ShellTest, WindowsAreCreatedOnceInOrderAndEachFindsTheEarlierOnes)
{
    std::vector<QString> order;
    std::vector<int> registeredBefore;
    std::vector<QPointer<QWidget>> created;
    {
        TApplicationShell shell;
        shell.SetCreationObserver([&](QWidget *window) {
            order.push_back(QString::fromLatin1(window->metaObject()->className()));
            created.emplace_back(window);
            const TApplicationShell &s = shell;
            const void *windows[9] = {s.Welcome(), s.MainForm(), s.Memory(), s.VFO(), s.CALL(),
                                      s.DTMF(), s.ReadForm(), s.WriteForm(), s.AboutBox()};
            int count = 0;
            while (count < 9 && windows[count])
                ++count;
            for (int i = count; i < 9; ++i)
                EXPECT_EQ(windows[i], nullptr) << "window " << i << " exists too early";
            registeredBefore.push_back(count);
        });
        shell.CreateForms();

        const std::vector<QString> expected = {"TWelcome", "TMainForm", "TMemory", "TVFO", "TCALL",
                                               "TDTMF", "TReadForm", "TWriteForm", "TAboutBox"};
        EXPECT_EQ(order, expected);
        // Each window is known to the shell as soon as it exists.
        EXPECT_EQ(registeredBefore, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
        // Every window but the splash is hidden until asked for.
        EXPECT_FALSE(shell.Welcome()->isVisible());
        EXPECT_FALSE(shell.MainForm()->isVisible());
        EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("VXL-R381"));
    }
    // The shell destroys every window it made.
    ASSERT_EQ(created.size(), 9u);
    for (const QPointer<QWidget> &window : created)
        EXPECT_TRUE(window.isNull());
}

TEST_F(ShellTest, SplashHandsOverToTheMainWindowOnceAfterThreeSeconds)
{
    TApplicationShell shell;
    shell.CreateForms();
    TWelcome *splash = shell.Welcome();
    TMainForm *main = shell.MainForm();

    EXPECT_EQ(splash->windowTitle(), QStringLiteral("Welcome"));
    EXPECT_EQ(splash->size(), QSize(322, 139));
    EXPECT_EQ(splash->Label1->text(), QStringLiteral("VXL-R381"));
    EXPECT_TRUE(splash->Label2->text().endsWith(QStringLiteral("for QV-R381")));
    EXPECT_FALSE(splash->Image1->pixmap().isNull());
    for (QLabel *label : {splash->Label1, splash->Label2})
        EXPECT_LE(label->geometry().right(), splash->width()) << label->text().toStdString();

    EXPECT_FALSE(splash->Timer1->isActive());
    shell.Start();
    EXPECT_TRUE(splash->isVisible());
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(splash->Timer1->isActive());
    EXPECT_TRUE(splash->Timer1->isSingleShot());
    EXPECT_EQ(splash->Timer1->interval(), 3000);

    splash->Timer1Timer();
    EXPECT_FALSE(splash->isVisible());
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(splash->Timer1->isActive());
    EXPECT_EQ(main->Caption(), QStringLiteral("VXL-R381 [Untitled]"));

    // Showing the splash again does not restart the hand-over.
    splash->show();
    EXPECT_FALSE(splash->Timer1->isActive());
}

TEST_F(ShellTest, RunShowsSplashThenMainWindowAndEndsWhenTheMainWindowCloses)
{
    TApplicationShell shell;
    shell.SetSplashIntervalForTesting(20);
    bool splashSeenAlone = false;
    bool mainSeen = false;
    bool splashHiddenWithMain = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        TWelcome *splash = shell.Welcome();
        TMainForm *main = shell.MainForm();
        if (!splash || !main)
            return;
        if (splash->isVisible() && !main->isVisible())
            splashSeenAlone = true;
        if (main->isVisible() && !mainSeen) {
            mainSeen = true;
            splashHiddenWithMain = !splash->isVisible();
            main->close(); // unmodified: no question
        }
    });
    poll.start();
    // Safety net so that a broken hand-over fails instead of hanging.
    QTimer::singleShot(60000, [&] {
        if (shell.Welcome())
            shell.Welcome()->close();
    });

    EXPECT_EQ(shell.Run(), 0);
    EXPECT_TRUE(splashSeenAlone);
    EXPECT_TRUE(mainSeen);
    EXPECT_TRUE(splashHiddenWithMain);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ShellTest, ClosingTheSplashEarlyEndsWithoutShowingTheMainWindow)
{
    TApplicationShell shell;
    ShowCounter counter;
    shell.SetCreationObserver([&](QWidget *window) {
        if (window == shell.MainForm())
            window->installEventFilter(&counter);
    });
    QTimer::singleShot(0, [&] { shell.Welcome()->close(); });

    EXPECT_EQ(shell.Run(), 0);
    EXPECT_EQ(counter.shows, 0);
    EXPECT_FALSE(shell.Welcome()->Timer1->isActive());
    EXPECT_TRUE(messages.empty());
}

TEST_F(ShellTest, ClosingTheMainWindowAsksAboutChangesAndClosesTheSplash)
{
    TApplicationShell shell;
    shell.CreateForms();
    QSignalSpy closed(shell.Welcome(), &TWelcome::Closed);
    TMainForm *main = shell.MainForm();
    main->show();
    main->SetModified(1);

    Dialogs::SetMessageResponder([this](const Dialogs::MessageRequest &request) {
        messages.push_back(request);
        return Dialogs::Answer::Cancel;
    });
    main->close();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(closed.count(), 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Data is changed.\nDo you want to save the changes?"));

    Dialogs::SetMessageResponder([](const Dialogs::MessageRequest &) { return Dialogs::Answer::No; });
    main->close();
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(ShellTest, ExceptionDuringStartUpIsShownAndEndsWithFailure)
{
    TApplicationShell shell;
    shell.SetCreationObserver([](QWidget *window) {
        if (QLatin1String(window->metaObject()->className()) == QLatin1String("TMemory"))
            throw std::runtime_error("CommOpen Error,invalid HANDLE:NULL");
    });

    EXPECT_NE(shell.Run(), 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("CommOpen Error,invalid HANDLE:NULL"));
    EXPECT_EQ(messages[0].caption, QStringLiteral("VXL-R381"));
    EXPECT_EQ(messages[0].icon, Dialogs::Icon::Critical);
    EXPECT_EQ(messages[0].buttons, Dialogs::Buttons::Ok);
    EXPECT_TRUE(AllFormsCleared(shell));
}

TEST_F(ShellTest, EditorsWorkOnTheMainWindowsDocumentAndSelectedRow)
{
    TApplicationShell shell;
    shell.CreateForms();
    TMainForm *main = shell.MainForm();
    main->Document().SetMemoryRecord(20, QStringLiteral("020,00145500000,0,0,0,0,0,,09,,09,,0,,,,,"));
    main->RefreshGrids();
    main->SelectRow(1, 20);

    QString shown;
    QTimer::singleShot(0, [&] {
        if (QApplication::activeModalWidget() == shell.Memory()) {
            shown = shell.Memory()->Edit1->text();
            QTest::keyClicks(shell.Memory()->Edit5, QStringLiteral("CLUB"));
            shell.Memory()->Button2->click();
        }
    });
    shell.EditRecord(1);
    EXPECT_EQ(shown, QStringLiteral("145.500"));
    // Stored into the main window's document, which counts as changed.
    EXPECT_TRUE(main->Document().Record(rkMemory, 20).endsWith(QStringLiteral(",CLUB")));
    EXPECT_EQ(main->Modified(), 1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ShellTest, TheChannelTableKeepsItsLayoutWhenTheProgramEndsWithItOpen)
{
    QSize size;
    {
        TApplicationShell shell;
        shell.CreateForms();
        shell.MainForm()->show();
        shell.ShowChannelTable();
        ASSERT_NE(shell.ChannelTable(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(shell.ChannelTable()));
        size = shell.ChannelTable()->size() - QSize(40, 30);
        shell.ChannelTable()->resize(size);
        // The shell ends as the program does: the windows go, the table
        // still open.
    }
    TApplicationShell shell;
    shell.CreateForms();
    shell.MainForm()->show();
    shell.ShowChannelTable();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(shell.ChannelTable()));
    EXPECT_EQ(shell.ChannelTable()->size(), size);
}

TEST_F(ShellTest, PortsAreProbedWithTheTransferWindowsSerialComponent)
{
    TestPty pty;
    ASSERT_TRUE(pty.IsValid());
    ScopedCommDevice com1(1, pty.SlavePath());
    ScopedCommDevice com2(2, QStringLiteral("/nonexistent/vxl-tty"));
    TApplicationShell shell;
    EXPECT_FALSE(shell.PortValid(QStringLiteral("COM1"), false)); // no windows yet
    shell.CreateForms();
    for (bool writeWindow : {false, true}) {
        EXPECT_TRUE(shell.PortValid(QStringLiteral("COM1"), writeWindow)) << writeWindow;
        EXPECT_FALSE(shell.PortValid(QStringLiteral("COM2"), writeWindow)) << writeWindow;
    }
}

TEST_F(ShellTest, SerialPortWindowOpensOverTheMainWindowAndItsOkRenamesTheComItem)
{
    TApplicationShell shell;
    shell.CreateForms();
    TMainForm *form = shell.MainForm();
    QWidget *shown = nullptr;
    QTimer::singleShot(0, [&] {
        shown = QApplication::activeModalWidget();
        auto *window = qobject_cast<TSerialPortForm *>(shown);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->parentWidget(), form);
        EXPECT_EQ(window->ChosenPort(), 1);
        window->PathEdit->setText(QStringLiteral("/tmp/vxl-shell-radio"));
        window->ButtonBox->button(QDialogButtonBox::Ok)->click();
    });
    form->SerialPort1->trigger();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(StoredCommDevice(1), QStringLiteral("/tmp/vxl-shell-radio"));
    EXPECT_EQ(form->Com11->text(), QStringLiteral("Com&1 (/tmp/vxl-shell-radio)"));
}

TEST_F(ShellTest, AboutBoxIsTheSameWindowEachTimeAndClosesWithOkOrEnter)
{
    TApplicationShell shell;
    shell.CreateForms();
    TAboutBox *about = shell.AboutBox();
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About VXL-R381"));
    EXPECT_EQ(about->Version->text(), QStringLiteral("Version 1.10"));
    EXPECT_TRUE(about->ProductName->text().contains(QStringLiteral("QV-R381")));
    EXPECT_FALSE(about->Copyright->text().isEmpty());
    EXPECT_FALSE(about->ProgramIcon->pixmap().isNull());
    EXPECT_TRUE(about->OKButton->isDefault());
    // Every line fits inside the panel.
    for (QLabel *label : {about->ProductName, about->Version, about->Copyright})
        EXPECT_LE(label->geometry().right(), about->Panel1->width() - 2) << label->text().toStdString();

    std::vector<QWidget *> shown;
    QTimer::singleShot(0, [&] {
        shown.push_back(QApplication::activeModalWidget());
        QTest::mouseClick(about->OKButton, Qt::LeftButton);
    });
    shell.MainForm()->About1Click();
    EXPECT_EQ(about->result(), QDialog::Accepted);

    about->setResult(QDialog::Rejected);
    QTimer::singleShot(0, [&] {
        shown.push_back(QApplication::activeModalWidget());
        QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return);
    });
    shell.MainForm()->About1Click();
    EXPECT_EQ(about->result(), QDialog::Accepted);
    EXPECT_EQ(shown, (std::vector<QWidget *>{about, about}));
    EXPECT_FALSE(about->isVisible());
}

// The manual must explain every message the program can show.
TEST_F(ShellTest, HelpWindowShowsContentsAndTheManualCoversEveryTopicAndMessage)
{
    TApplicationShell shell;
    shell.CreateForms();
    TMainForm *main = shell.MainForm();
    EXPECT_EQ(shell.HelpForm(), nullptr);
    main->Help2Click();
    THelpForm *help = shell.HelpForm();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    main->Help2Click();
    EXPECT_EQ(shell.HelpForm(), help);

    const QStringList anchors = help->TopicAnchors();
    for (const char *topic : {"connect", "devices", "read", "edit", "files", "clipboard", "print",
                              "write", "cli", "messages"}) {
        EXPECT_TRUE(anchors.contains(QLatin1String(topic))) << topic;
        EXPECT_TRUE(help->ShowTopic(QLatin1String(topic))) << topic;
    }
    EXPECT_FALSE(help->ShowTopic(QStringLiteral("no-such-topic")));
    EXPECT_GE(help->TreeView1->topLevelItemCount(), 10);

    // Clicking an entry of the contents moves the manual to that topic.
    QTreeWidgetItem *last = help->TreeView1->topLevelItem(help->TreeView1->topLevelItemCount() - 1);
    emit help->TreeView1->itemClicked(last, 0);
    EXPECT_EQ(help->TreeView1->currentItem(), last);

    QString text = help->Browser1->document()->toPlainText();
    text.replace(QChar(0x2028), QLatin1Char('\n')).replace(QChar(0x2029), QLatin1Char('\n'));
    text.replace(QChar(0x00A0), QLatin1Char(' '));
    const char *const kMessages[] = {
        "Data is changed.\nDo you want to save the changes?",
        "File Open error.",
        "COM1 is invalid.\nPlease check comport status.",
        "COM2 is invalid.\nPlease check comport status.",
        "Invalid COM port.\nPlease check comport status.",
        "Invalid COM port.\nPlease check and try again.",
        "Do you want to write the data to the radio?",
        "Communication timeout error.",
        "Invalid the radio.\nPlease check and try again.",
        "CommOpen Error,invalid HANDLE:NULL",
        "CommOpen Error,invalid HANDLE:0xFFFFFFFF",
        "Have not started communications",
        "Communication Read Error  ErrorMask=",
        "Communication Write Error  ErrorMask=",
        "Read data Timeout",
        "Write data Timeout",
        "Too much write data",
        "The contents has been changed.\nDo you want to change?",
        "Invalid Frequency.\nPlease check and try again.",
        "Invalid Offset.\nPlease check and try again.",
        "Invalid Memory name.\nPlease check and try again.",
        "Invalid channel Number.\nPlease check and try again.",
        "Frequency is rounded.",
        "Invalid character.\nPlease check and try again.",
        "Invalid function.",
        "There is no default printer.",
    };
    for (const char *message : kMessages)
        EXPECT_TRUE(text.contains(QLatin1String(message))) << message;
    // The keyboard table names every key of the main window's menus.
    const QString keys = text.mid(text.lastIndexOf(QStringLiteral("Keyboard")));
    for (QAction *action : main->findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly)) {
        for (const QKeySequence &key : action->shortcuts())
            EXPECT_TRUE(keys.contains(key.toString(QKeySequence::PortableText)))
                << action->objectName().toStdString() << " " << key.toString().toStdString();
    }
    for (const char *name : {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3", "VXL_R381_COM1",
                             "VXL_R381_COM4", "Com1Device", "Com4Device", "/dev/ttyUSB0",
                             "vxl-r381-cli read", "vxl-r381-cli write", "vxl-r381-cli list"})
        EXPECT_TRUE(text.contains(QLatin1String(name))) << name;
}

// Help search: Ctrl+F goes to the field, Enter and F3 find the next place
// (round the end), Shift+F3 the one before; a word the manual lacks is
// said so. The contents show headings as the manual shows them.
TEST_F(ShellTest, HelpSearchFindsForwardAndBackAndContentsShowPlainText)
{
    TApplicationShell shell;
    shell.CreateForms();
    shell.MainForm()->Help2Click();
    THelpForm *help = shell.HelpForm();
    ASSERT_NE(help, nullptr);
    help->activateWindow();
    QApplication::setActiveWindow(help);
    help->TreeView1->setFocus();

    QTest::keyClick(help, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(help->SearchEdit->hasFocus());
    // "Serial Trace" stands in several places of the manual.
    QTest::keyClicks(help->SearchEdit, QStringLiteral("serial trace"));
    QTest::keyClick(help->SearchEdit, Qt::Key_Return);
    const int first = help->Browser1->textCursor().selectionStart();
    EXPECT_EQ(help->Browser1->textCursor().selectedText().toLower(), QStringLiteral("serial trace"));
    QTest::keyClick(help, Qt::Key_F3);
    const int second = help->Browser1->textCursor().selectionStart();
    EXPECT_GT(second, first);
    QTest::keyClick(help, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(help->Browser1->textCursor().selectionStart(), first);
    EXPECT_TRUE(help->SearchStatus->text().isEmpty());

    help->SearchEdit->setText(QStringLiteral("xyzzy-no-such-word"));
    QTest::keyClick(help->SearchEdit, Qt::Key_Return);
    EXPECT_TRUE(help->SearchStatus->text().contains(QStringLiteral("xyzzy-no-such-word")));
    EXPECT_TRUE(help->SearchStatus->text().startsWith(QStringLiteral("Not found")));

    QStringList entries;
    for (QTreeWidgetItemIterator it(help->TreeView1); *it; ++it)
        entries << (*it)->text(0);
    EXPECT_TRUE(entries.contains(QStringLiteral("Choosing the device: Radio > Serial Port...")))
        << entries.join(QLatin1Char('|')).toStdString();
    for (const QString &entry : entries)
        EXPECT_FALSE(entry.contains(QRegularExpression(QStringLiteral("&[#A-Za-z0-9]+;")))) << entry.toStdString();
    EXPECT_EQ(THelpForm::HeadingText(QStringLiteral("Caf&eacute; &amp; <b>bar</b> &#8594; &lt;x&gt;")),
              QString::fromUtf8("Café & bar → <x>"));
}

// F1 opens the manual: from the main window at its contents, from the
// channel table at the table's topic. The program names its desktop entry.
TEST_F(ShellTest, F1OpensHelpAndTheProgramNamesItsDesktopEntry)
{
    TApplicationShell::SetApplicationIdentity();
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("com.halvord.vxl_r381"));

    TApplicationShell shell;
    shell.CreateForms();
    TMainForm *main = shell.MainForm();
    main->show();
    QApplication::setActiveWindow(main);
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main, Qt::Key_F1);
    ASSERT_NE(shell.HelpForm(), nullptr);
    EXPECT_TRUE(shell.HelpForm()->isVisible());
    shell.HelpForm()->close();

    main->ChannelTable1Click();
    TChannelTable *table = shell.ChannelTable();
    ASSERT_NE(table, nullptr);
    QApplication::setActiveWindow(table);
    ASSERT_TRUE(QTest::qWaitForWindowActive(table));
    QTest::keyClick(table, Qt::Key_F1);
    EXPECT_TRUE(shell.HelpForm()->isVisible());
    ASSERT_NE(shell.HelpForm()->TreeView1->currentItem(), nullptr);
    EXPECT_EQ(shell.HelpForm()->TreeView1->currentItem()->data(0, Qt::UserRole + 1).toString(), "table");
    main->SetModified(0);
}

TEST_F(ShellTest, EveryWindowNamesAndDescribesItsControlsAndTabReachesThem)
{
    TApplicationShell shell;
    shell.CreateForms();
    TMainForm *main = shell.MainForm();
    // Tab reaches the tool buttons, but the window still opens in the
    // memory list.
    EXPECT_EQ(main->focusWidget(), static_cast<QWidget *>(main->StringGrid1));
    main->show();
    main->Help2Click();
    shell.ShowChannelTable();
    ASSERT_NE(shell.HelpForm(), nullptr);
    ASSERT_NE(shell.ChannelTable(), nullptr);

    QStringList gaps;
    for (QWidget *window : std::initializer_list<QWidget *>{
             main, shell.Memory(), shell.VFO(), shell.CALL(), shell.DTMF(), shell.ReadForm(), shell.WriteForm(),
             shell.AboutBox(), shell.HelpForm(), shell.ChannelTable()})
        gaps << AccessibilityGaps(window);

    // The windows opened modally: the serial port window and the bulk edit.
    int walked = 0;
    auto walkModal = [&] {
        if (QWidget *window = QApplication::activeModalWidget()) {
            ++walked;
            gaps << AccessibilityGaps(window);
            window->close();
        }
    };
    QTimer::singleShot(0, walkModal);
    main->SerialPort1->trigger();
    TChannelTable *table = shell.ChannelTable();
    table->TableView1->selectRow(0);
    QTimer::singleShot(0, walkModal);
    table->BulkEditAction->trigger();
    EXPECT_EQ(walked, 2);

    EXPECT_TRUE(gaps.isEmpty()) << gaps.join(QLatin1Char('\n')).toStdString();
    main->hide();
}

TEST(EditorCommandLine, OptionsAndFilesAreTakenAsAUserExpects)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString a = dir.filePath(QStringLiteral("a.381"));
    const QString b = dir.filePath(QStringLiteral("b.381"));
    const QString spaced = dir.filePath(QStringLiteral("my radio.381"));
    for (const QString &path : {a, b, spaced}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    using Action = TEditorCommandLine::Action;
    using Start = TEditorCommandLine::Start;
    struct Case {
        QStringList args;
        Action action;
        QString path;
        QString message; // a part of it
        Start start = Start::None;
    } cases[] = {
        // The desktop entry's actions.
        {{QStringLiteral("--read")}, Action::Run, QString(), QString(), Start::Read},
        {{QStringLiteral("--backups")}, Action::Run, QString(), QString(), Start::Backups},
        {{QStringLiteral("--backups"), a}, Action::Run, a, QString(), Start::Backups},
        {{QStringLiteral("--read"), a}, Action::Error, QString(), QStringLiteral("--read takes no file"), Start::Read},
        {{QStringLiteral("--read"), QStringLiteral("--backups")}, Action::Error, QString(),
         QStringLiteral("cannot be given together"), Start::Backups},
        {{}, Action::Run, QString(), QString()},
        {{a}, Action::Run, a, QString()},
        // A path with spaces split by the shell is joined again.
        {{dir.filePath(QStringLiteral("my")), QStringLiteral("radio.381")}, Action::Run, spaced, QString()},
        {{dir.filePath(QStringLiteral("no")), QStringLiteral("such.381")}, Action::Run,
         dir.filePath(QStringLiteral("no such.381")), QString()},
        // Two files: the first is opened, the other named.
        {{a, b}, Action::Run, a, QStringLiteral("not opened: ") + b},
        {{a, QStringLiteral("missing.381")}, Action::Run, a, QStringLiteral("not opened: missing.381")},
        {{QStringLiteral("--verbose")}, Action::Error, QString(), QStringLiteral("unknown option '--verbose'")},
        {{a, QStringLiteral("-x")}, Action::Error, QString(), QStringLiteral("unknown option '-x'")},
        {{QStringLiteral("--"), QStringLiteral("-x.381")}, Action::Run, QStringLiteral("-x.381"), QString()},
        {{QStringLiteral("-")}, Action::Run, QStringLiteral("-"), QString()},
        {{a, QStringLiteral("--help")}, Action::Help, QString(), QString()},
        {{QStringLiteral("-v")}, Action::Version, QString(), QString()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char('|')).toStdString());
        const TEditorCommandLine line = ParseEditorCommandLine(c.args);
        EXPECT_EQ(line.action, c.action);
        EXPECT_EQ(line.path, c.path);
        EXPECT_EQ(line.message.isEmpty(), c.message.isEmpty()) << line.message.toStdString();
        EXPECT_TRUE(line.message.contains(c.message)) << line.message.toStdString();
        EXPECT_EQ(line.start, c.start);
    }
}

// The editor speaks the language of the user's locale: the main window's
// menus and an editor's title come from the shipped translation, and the
// source texts come back once the translation is taken out.
TEST_F(ShellTest, TheLocaleChoosesTheLanguageOfTheWindows)
{
    struct Case {
        QLocale locale;
        const char *file, *open, *radio, *read, *memoryTitle;
    };
    const Case cases[] = {
        {QLocale(QLocale::German, QLocale::Germany), "&Datei", "Ö&ffnen...", "&Funkgerät", "&Lesen", "Speicherkanal"},
        {QLocale(QLocale::Japanese, QLocale::Japan), "ファイル(&F)", "開く(&O)...", "無線機(&R)", "読み込み(&R)",
         "メモリーチャンネル"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        ASSERT_TRUE(TApplicationShell::InstallTranslations(c.locale));
        TApplicationShell shell;
        shell.CreateForms();
        const TMainForm *main = shell.MainForm();
        EXPECT_EQ(main->File1->title(), QString::fromUtf8(c.file));
        EXPECT_EQ(main->Open1->text(), QString::fromUtf8(c.open));
        EXPECT_EQ(main->Radio1->title(), QString::fromUtf8(c.radio));
        EXPECT_EQ(main->Read1->text(), QString::fromUtf8(c.read));
        EXPECT_EQ(shell.Memory()->windowTitle(), QString::fromUtf8(c.memoryTitle));
    }
    // An English locale has no translation of its own: the source texts.
    EXPECT_FALSE(TApplicationShell::InstallTranslations(QLocale(QLocale::English, QLocale::UnitedStates)));
    TApplicationShell::RemoveTranslations();
    TApplicationShell shell;
    shell.CreateForms();
    EXPECT_EQ(shell.MainForm()->File1->title(), QStringLiteral("&File"));
    EXPECT_EQ(shell.Memory()->windowTitle(), QStringLiteral("Memory Channel"));
}
