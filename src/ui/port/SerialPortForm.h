// TSerialPortForm: Radio > "Serial Port...". Lists the serial devices
// present, lets the user pick one (or type any other path) for COM1 or
// COM2, and finds the radio among them. OK stores the device for the
// chosen entry; Cancel stores nothing.
//
// "Find radio" runs TRadioFinder on a worker thread; its progress and
// result come back to the GUI thread as queued calls, so the window stays
// responsive and no widget is touched from the worker. Each port is held
// only for its own identification exchange.
#pragma once

#include "comm/PortList.h"
#include "radio/Protocol.h"
#include "radio/RadioFinder.h"

#include <QDialog>
#include <QString>

#include <memory>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QThread;
class QTimer;

class TSerialPortForm : public QDialog {
    Q_OBJECT
public:
    // enumerate lists the devices (the system's, or a test's); currentPort
    // (1 or 2) is the COM entry preset in the choice.
    explicit TSerialPortForm(TPortEnumeration enumerate, int currentPort, QWidget *parent = nullptr);
    ~TSerialPortForm() override;

    // The device OK stores: the typed path, else the selected row's path.
    QString ChosenPath() const;
    // The COM entry OK sets: 1 or 2.
    int ChosenPort() const;
    bool Searching() const { return worker_ != nullptr; }
    // Time the radio has to answer each line of the exchange.
    void SetReplyTimeout(int milliseconds) { replyTimeoutMs_ = milliseconds; }
    TPortListModel *Model() const { return model_; }

public slots:
    void accept() override;
    void reject() override;
    // Starts the search over the listed devices and the typed path.
    void FindRadio();
    // Stops a running search; the port being tried is let go at once.
    void CancelFind();
    // Enumerates the devices again (the timer does it every second).
    void RefreshPorts();

signals:
    // A search ended: the path that answered, or empty.
    void SearchFinished(const QString &radioPath);

private:
    void ShowProgress(int index, int count, const QString &path);
    void SearchDone(const QString &found, bool cancelled, const QList<TProbeResult> &results);
    void SelectPath(const QString &path);
    QString SelectedRowPath() const;
    void RowSelected();
    void PathTyped(const QString &text);
    void UpdateButtons();
    void StopWorker();

    TPortListModel *model_ = nullptr;
    std::shared_ptr<TRadioFinder> finder_;
    QThread *worker_ = nullptr;
    int replyTimeoutMs_ = Protocol::kReplyTimeout;
    bool syncing_ = false; // selection and typed path being set by the code

public:
    // Controls, by their objectNames.
    QTableView *PortView = nullptr;      // the devices present
    QLineEdit *PathEdit = nullptr;       // any other device path
    QComboBox *ComBox = nullptr;         // COM1 / COM2
    QPushButton *FindButton = nullptr;   // "Find &radio"
    QPushButton *StopButton = nullptr;   // stops the search
    QProgressBar *FindProgress = nullptr;
    QLabel *FindStatus = nullptr;        // what the search found
    QDialogButtonBox *ButtonBox = nullptr;
    QTimer *RefreshTimer = nullptr;      // polls the device list every second
};
