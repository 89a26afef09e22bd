// The serial port window (Radio > "Serial Port...") over an injected device
// list and simulators on pseudo-terminals, and the serial trace command of
// the Help menu.
#include "comm/HComm.h"
#include "comm/PortList.h"
#include "comm/SerialTrace.h"
#include "data/Settings.h"
#include "support/Pty.h"
#include "support/SimFixture.h"
#include "support/TestSettings.h"
#include "support/TestWindows.h"
#include "ui/main/MainForm.h"
#include "ui/port/SerialPortForm.h"
#include "ui/seam/Dialogs.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

namespace {

TPortInfo Port(const QString &path, const QString &byId = QString(), const QString &description = QString())
{
    TPortInfo port;
    port.path = path;
    port.byIdPath = byId;
    port.description = description;
    port.manufacturer = QStringLiteral("FTDI");
    port.usbId = QStringLiteral("0403:6001");
    port.serialNumber = QStringLiteral("A50285BI");
    return port;
}

QString Text(TPortListModel *model, int row, int column)
{
    return model->data(model->index(row, column)).toString();
}

class SerialPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearStoredSettings();
        qunsetenv("VXL_R381_COM1");
        qunsetenv("VXL_R381_COM2");
        Dialogs::SetMessageResponder([this](const Dialogs::MessageRequest &request) {
            messages.push_back(request);
            return Dialogs::Answer::Ok;
        });
    }
    void TearDown() override { Dialogs::ResetResponders(); }

    // The enumeration the window sees: whatever `ports` holds at the time.
    TPortEnumeration Enumeration()
    {
        return [this] { return ports; };
    }
    void ClickOk(TSerialPortForm &form) { form.ButtonBox->button(QDialogButtonBox::Ok)->click(); }

    QList<TPortInfo> ports;
    std::vector<Dialogs::MessageRequest> messages;
};

TEST_F(SerialPortTest, ListsTheDevicesAndPresetsTheCurrentEntry)
{
    ports = {Port("/dev/ttyS0", QString(), "ttyS0"),
             Port("/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI_A50285BI-if00-port0", "FT232R USB UART")};
    SaveCommDevice(2, "/dev/serial/by-id/usb-FTDI_A50285BI-if00-port0");
    TSerialPortForm form(Enumeration(), 2);

    ASSERT_EQ(form.PortView->model()->rowCount(), 2);
    TPortListModel *model = form.Model();
    EXPECT_EQ(Text(model, 1, TPortListModel::ColPath), "/dev/ttyUSB0");
    EXPECT_EQ(Text(model, 1, TPortListModel::ColById), "/dev/serial/by-id/usb-FTDI_A50285BI-if00-port0");
    EXPECT_EQ(Text(model, 1, TPortListModel::ColDescription), "FT232R USB UART");
    EXPECT_EQ(Text(model, 1, TPortListModel::ColUsbId), "0403:6001");
    EXPECT_EQ(Text(model, 1, TPortListModel::ColSerial), "A50285BI");
    // COM2 is the current entry; its stored device (by its by-id link) is
    // the selected row, and the choice names what each entry uses now.
    EXPECT_EQ(form.ChosenPort(), 2);
    EXPECT_TRUE(form.ComBox->itemText(0).contains("/dev/ttyS0"));
    EXPECT_TRUE(form.ComBox->itemText(1).contains("usb-FTDI_A50285BI"));
    const QModelIndexList selected = form.PortView->selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.first().row(), 1);
    EXPECT_TRUE(form.PathEdit->text().isEmpty());
    EXPECT_EQ(form.ChosenPath(), "/dev/serial/by-id/usb-FTDI_A50285BI-if00-port0");

    // COM1 uses /dev/ttyS0 when nothing is stored: its row.
    TSerialPortForm other(Enumeration(), 1);
    EXPECT_EQ(other.ChosenPort(), 1);
    EXPECT_EQ(other.ChosenPath(), "/dev/ttyS0");
    // A device that is not present stands typed out.
    SaveCommDevice(1, "/tmp/radio-link");
    TSerialPortForm absent(Enumeration(), 1);
    EXPECT_TRUE(absent.PortView->selectionModel()->selectedRows().isEmpty());
    EXPECT_EQ(absent.PathEdit->text(), "/tmp/radio-link");
}

TEST_F(SerialPortTest, OkStoresTheChosenEntryAndCancelStoresNothing)
{
    ports = {Port("/dev/ttyUSB0"), Port("/dev/ttyUSB1", "/dev/serial/by-id/usb-B")};
    {
        // Cancel after changes: nothing stored.
        TSerialPortForm form(Enumeration(), 1);
        form.PathEdit->setText("/tmp/elsewhere");
        form.ComBox->setCurrentIndex(1);
        form.ButtonBox->button(QDialogButtonBox::Cancel)->click();
        EXPECT_EQ(form.result(), QDialog::Rejected);
        EXPECT_FALSE(HasStoredValue("Com1Device"));
        EXPECT_FALSE(HasStoredValue("Com2Device"));
    }
    {
        // A typed path wins over the list and replaces the selected row.
        TSerialPortForm form(Enumeration(), 1);
        form.PortView->selectRow(0);
        QTest::keyClicks(form.PathEdit, "/tmp/radio");
        EXPECT_TRUE(form.PortView->selectionModel()->selectedRows().isEmpty());
        form.ComBox->setCurrentIndex(1);
        ClickOk(form);
        EXPECT_EQ(form.result(), QDialog::Accepted);
        EXPECT_EQ(StoredCommDevice(2), "/tmp/radio");
        EXPECT_FALSE(HasStoredValue("Com1Device"));
    }
    {
        // A row chosen after typing replaces the typed path; its by-id link is stored.
        TSerialPortForm form(Enumeration(), 1);
        form.PathEdit->setText("/tmp/typed");
        form.PortView->selectRow(1);
        EXPECT_TRUE(form.PathEdit->text().isEmpty());
        ClickOk(form);
        EXPECT_EQ(StoredCommDevice(1), "/dev/serial/by-id/usb-B");
        EXPECT_EQ(StoredCommDevice(2), "/tmp/radio");
    }
    {
        // Nothing chosen: OK says so and the window stays.
        ports.clear();
        SaveCommDevice(1, QString());
        TSerialPortForm form(Enumeration(), 1);
        form.PathEdit->clear();
        ClickOk(form);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(form.result(), 0);
        EXPECT_FALSE(HasStoredValue("Com1Device"));
    }
}

TEST_F(SerialPortTest, KeyboardEnterIsOkEscapeIsCancel)
{
    ports = {Port("/dev/ttyUSB0"), Port("/dev/ttyUSB1")};
    TSerialPortForm form(Enumeration(), 1);
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    // Tab order: list, path, entry, find (stop is off while no search runs).
    form.PortView->setFocus();
    const QList<QWidget *> order{form.PathEdit, form.ComBox, form.FindButton};
    for (QWidget *next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
    EXPECT_FALSE(form.FindButton->autoDefault());
    form.PortView->setFocus();
    QTest::keyClick(form.PortView, Qt::Key_Down);
    QTest::keyClick(form.PortView, Qt::Key_Return);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(StoredCommDevice(1), "/dev/ttyUSB1");

    TSerialPortForm again(Enumeration(), 1);
    again.show();
    QTest::keyClicks(again.PathEdit, "/tmp/x");
    QTest::keyClick(again.PathEdit, Qt::Key_Escape);
    EXPECT_EQ(again.result(), QDialog::Rejected);
    EXPECT_EQ(StoredCommDevice(1), "/dev/ttyUSB1");
}

TEST_F(SerialPortTest, ListFollowsDevicesPluggedInAndKeepsTheSelection)
{
    ports = {Port("/dev/ttyUSB1")};
    TSerialPortForm form(Enumeration(), 1);
    form.PortView->selectRow(0);
    QSignalSpy resets(form.Model(), &QAbstractItemModel::modelReset);

    // Unchanged list: no reset.
    form.RefreshPorts();
    EXPECT_EQ(resets.count(), 0);

    // A device plugged in before the selected one: the timer shows it and
    // the selection stays on the same device.
    ports = {Port("/dev/ttyUSB0"), Port("/dev/ttyUSB1")};
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.PortView->model()->rowCount() == 2; }, 3000));
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(form.ChosenPath(), "/dev/ttyUSB1");
    const QModelIndexList selected = form.PortView->selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.first().row(), 1);

    // The selected device unplugged: no row is chosen any more.
    ports = {Port("/dev/ttyUSB0")};
    form.RefreshPorts();
    EXPECT_TRUE(form.ChosenPath().isEmpty());
}

TEST_F(SerialPortTest, FindRadioMarksTheSimulatorThatAnswers)
{
    SimFixture silent;
    ASSERT_TRUE(silent.Start({QStringLiteral("--silent-after"), QStringLiteral("1")})) << silent.ErrorString().toStdString();
    // Wake-up answer glued, every later reply byte by byte.
    SimFixture radio;
    ASSERT_TRUE(radio.Start({QStringLiteral("--throttle"), QStringLiteral("--wake-at-once")})) << radio.ErrorString().toStdString();
    ports = {Port(silent.DevicePath()), Port(radio.DevicePath())};

    TSerialPortForm form(Enumeration(), 1);
    form.SetReplyTimeout(600);
    form.PathEdit->clear();
    QSignalSpy finished(&form, &TSerialPortForm::SearchFinished);
    QSignalSpy progress(form.FindProgress, &QProgressBar::valueChanged);
    form.FindButton->click();
    // The search runs beside the event loop: the window keeps answering.
    EXPECT_TRUE(form.Searching());
    EXPECT_FALSE(form.FindButton->isEnabled());
    EXPECT_TRUE(form.StopButton->isEnabled());
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(finished.first().first().toString(), radio.DevicePath());
    EXPECT_GE(progress.count(), 1);
    EXPECT_FALSE(form.Searching());
    EXPECT_TRUE(form.FindButton->isEnabled());
    EXPECT_FALSE(form.StopButton->isEnabled());

    EXPECT_EQ(form.Model()->RadioPath(), radio.DevicePath());
    // Each device's row says what it did, not only a tooltip.
    EXPECT_EQ(Text(form.Model(), 1, TPortListModel::ColRadio), "answered: QV-R381");
    EXPECT_EQ(Text(form.Model(), 0, TPortListModel::ColRadio), "no reply");
    EXPECT_EQ(form.ChosenPath(), radio.DevicePath());
    EXPECT_TRUE(form.FindStatus->text().contains(radio.DevicePath()));
    // The silent port's reason is kept for the curious.
    EXPECT_TRUE(form.FindStatus->toolTip().contains(silent.DevicePath() + ": no reply from the radio."));
    // Neither port is held after the search.
    THComm again;
    EXPECT_TRUE(again.CheckCommportValid(silent.DevicePath()));
    EXPECT_TRUE(again.CheckCommportValid(radio.DevicePath()));

    ClickOk(form);
    EXPECT_EQ(StoredCommDevice(1), radio.DevicePath());
}

TEST_F(SerialPortTest, FindRadioTriesTheTypedPath)
{
    SimFixture radio;
    ASSERT_TRUE(radio.Start({QStringLiteral("--throttle"), QStringLiteral("--wake-at-once")}));
    ports = {Port("/nonexistent/ttyUSB7")};
    TSerialPortForm form(Enumeration(), 2);
    form.SetReplyTimeout(600);
    form.PathEdit->setText(radio.DevicePath());
    QSignalSpy finished(&form, &TSerialPortForm::SearchFinished);
    form.FindButton->click();
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(finished.first().first().toString(), radio.DevicePath());
    EXPECT_EQ(form.PathEdit->text(), radio.DevicePath());
    EXPECT_EQ(form.ChosenPath(), radio.DevicePath());

    // No radio anywhere: said so, nothing marked.
    radio.Stop();
    ports = {Port("/nonexistent/ttyUSB7")};
    form.PathEdit->clear();
    finished.clear();
    form.FindButton->click();
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_TRUE(finished.first().first().toString().isEmpty());
    EXPECT_TRUE(form.Model()->RadioPath().isEmpty());
    EXPECT_TRUE(form.FindStatus->text().startsWith("No radio answered"));
}

TEST_F(SerialPortTest, StopEndsARunningSearchAndLetsThePortGo)
{
    SimFixture silent;
    ASSERT_TRUE(silent.Start({QStringLiteral("--silent-after"), QStringLiteral("1")}));
    ports = {Port(silent.DevicePath()), Port(silent.DevicePath() + "-never-tried")};
    TSerialPortForm form(Enumeration(), 1);
    form.SetReplyTimeout(10000);
    QSignalSpy finished(&form, &TSerialPortForm::SearchFinished);
    form.FindButton->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.FindStatus->text().startsWith("Trying"); }, 5000));
    QTest::qWait(100);
    form.StopButton->click();
    ASSERT_TRUE(finished.wait(3000)); // well before the reply time-out
    EXPECT_TRUE(finished.first().first().toString().isEmpty());
    EXPECT_EQ(form.FindStatus->text(), "Search stopped.");
    EXPECT_TRUE(form.FindButton->isEnabled());
    THComm again;
    EXPECT_TRUE(again.CheckCommportValid(silent.DevicePath()));

    // Cancel of the window during a search ends the search too, stores nothing.
    form.FindButton->click();
    ASSERT_TRUE(form.Searching());
    QElapsedTimer clock;
    clock.start();
    form.ButtonBox->button(QDialogButtonBox::Cancel)->click();
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_FALSE(form.Searching());
    EXPECT_FALSE(HasStoredValue("Com1Device"));
}

// The main window's Radio menu runs the window through its services.
class PortWindows : public TestWindows {
public:
    bool ChooseSerialPort(int port) override
    {
        presetPort = port;
        TSerialPortForm form(enumerate, port);
        QTimer::singleShot(0, &form, [&] { answer(form); });
        return form.exec() == QDialog::Accepted;
    }
    TPortEnumeration enumerate;
    std::function<void(TSerialPortForm &)> answer;
    int presetPort = 0;
};

TEST_F(SerialPortTest, ComItemsNameTheirDeviceAfterOk)
{
    PortWindows windows;
    windows.enumerate = Enumeration();
    auto form = std::make_unique<TMainForm>(&windows);
    EXPECT_EQ(form->Com11->text(), "Com&1 (/dev/ttyS0)");
    EXPECT_EQ(form->Com21->text(), "Com&2 (/dev/ttyS1)");
    const QList<QAction *> radio = form->Radio1->actions();
    EXPECT_LT(radio.indexOf(form->Com21), radio.indexOf(form->SerialPort1));
    EXPECT_EQ(form->SerialPort1->text(), "Serial &Port...");

    windows.answer = [](TSerialPortForm &dialog) {
        dialog.ComBox->setCurrentIndex(1);
        dialog.PathEdit->setText("/tmp/radio&1");
        dialog.ButtonBox->button(QDialogButtonBox::Ok)->click();
    };
    form->SerialPort1->trigger();
    EXPECT_EQ(windows.presetPort, 1);
    EXPECT_EQ(StoredCommDevice(2), "/tmp/radio&1");
    EXPECT_EQ(form->Com21->text(), "Com&2 (/tmp/radio&&1)");
    EXPECT_EQ(form->Com11->text(), "Com&1 (/dev/ttyS0)");

    windows.answer = [](TSerialPortForm &dialog) {
        dialog.PathEdit->setText("/tmp/other");
        dialog.ButtonBox->button(QDialogButtonBox::Cancel)->click();
    };
    form->SerialPort1->trigger();
    EXPECT_EQ(form->Com11->text(), "Com&1 (/dev/ttyS0)");
    EXPECT_FALSE(HasStoredValue("Com1Device"));
}

TEST_F(SerialPortTest, TraceMenuWritesTheSerialLinesIntoTheChosenFile)
{
    TestWindows windows;
    auto form = std::make_unique<TMainForm>(&windows);
    QTemporaryDir dir;
    QString answer = dir.filePath("trace.txt");
    std::vector<Dialogs::FileRequest> requests;
    Dialogs::SetFileResponder([&](const Dialogs::FileRequest &request) {
        requests.push_back(request);
        return answer;
    });
    EXPECT_FALSE(form->SerialTrace1->isChecked());
    EXPECT_EQ(form->SerialTrace1->text(), "Serial &Trace...");

    form->SerialTrace1->trigger();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_TRUE(requests[0].save);
    EXPECT_TRUE(form->SerialTraceActive());
    EXPECT_TRUE(form->SerialTrace1->isChecked());
    EXPECT_EQ(form->SerialTrace1->text(), "Stop Serial &Trace");

    TestPty pty;
    ASSERT_TRUE(pty.IsValid());
    THComm comm;
    comm.SetDevicePath(pty.SlavePath());
    comm.OpenCommport();
    comm.WriteStringData("ID\r");
    EXPECT_EQ(pty.Read(3), QByteArray("ID\r"));
    comm.CloseCommport();

    // Stopping asks nothing.
    form->SerialTrace1->trigger();
    EXPECT_EQ(requests.size(), 1u);
    EXPECT_FALSE(form->SerialTraceActive());
    EXPECT_FALSE(form->SerialTrace1->isChecked());
    EXPECT_EQ(form->SerialTrace1->text(), "Serial &Trace...");
    QFile file(answer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(pty.SlavePath() + " > ID\\r")) << text.toStdString();

    // A file that cannot be written: said so, no trace.
    answer = dir.filePath("missing/trace.txt");
    form->SerialTrace1->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("Cannot write the trace file.\n"));
    EXPECT_TRUE(messages[0].text.contains("missing/trace.txt"));
    EXPECT_FALSE(form->SerialTraceActive());
    EXPECT_FALSE(form->SerialTrace1->isChecked());

    // Cancelled file dialog: no trace either.
    answer.clear();
    form->SerialTrace1->trigger();
    EXPECT_FALSE(form->SerialTraceActive());

    // A trace still running ends with the window.
    answer = dir.filePath("left.txt");
    form->SerialTrace1->trigger();
    EXPECT_TRUE(lcSerial().isDebugEnabled());
    form.reset();
    EXPECT_FALSE(lcSerial().isDebugEnabled());
}

} // namespace
