#include "SerialPortForm.h"

#include "data/Settings.h"
#include "radio/RadioFinder.h"
#include "ui/FitText.h"
#include "ui/seam/Dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kRefreshIntervalMs = 1000;

} // namespace

TSerialPortForm::TSerialPortForm(TPortEnumeration enumerate, int currentPort, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SerialPortForm"));
    setWindowTitle(tr("Serial Port"));
    setModal(true);

    model_ = new TPortListModel(std::move(enumerate), this);

    auto *devicesLabel = new QLabel(tr("&Devices present:"), this);
    PortView = new QTableView(this);
    PortView->setObjectName(QStringLiteral("PortView"));
    PortView->setModel(model_);
    PortView->setSelectionBehavior(QAbstractItemView::SelectRows);
    PortView->setSelectionMode(QAbstractItemView::SingleSelection);
    PortView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PortView->setTabKeyNavigation(false);
    PortView->verticalHeader()->hide();
    PortView->horizontalHeader()->setStretchLastSection(true);
    // Small screens (or large scale factors) get a smaller list that
    // scrolls; the window opens as wide as the list's columns where the
    // screen has the room.
    PortView->setMinimumSize(240, 96);
    devicesLabel->setBuddy(PortView);

    auto *pathLabel = new QLabel(tr("Other device &path:"), this);
    PathEdit = new QLineEdit(this);
    PathEdit->setObjectName(QStringLiteral("PathEdit"));
    PathEdit->setPlaceholderText(tr("/dev/ttyUSB0, /dev/serial/by-id/..., a link"));
    pathLabel->setBuddy(PathEdit);

    auto *comLabel = new QLabel(tr("&Use for:"), this);
    ComBox = new QComboBox(this);
    ComBox->setObjectName(QStringLiteral("ComBox"));
    for (int number = 1; number <= 2; ++number) {
        const QString name = QStringLiteral("COM%1").arg(number);
        ComBox->addItem(tr("%1 (now %2)").arg(name, CommDevicePath(name)), number);
    }
    ComBox->setCurrentIndex(currentPort == 2 ? 1 : 0);
    // A long device path does not widen the window: the list shows it.
    ComBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComBox->setMinimumContentsLength(24);
    comLabel->setBuddy(ComBox);

    FindButton = new QPushButton(tr("Find &radio"), this);
    FindButton->setObjectName(QStringLiteral("FindButton"));
    FindButton->setAutoDefault(false);
    StopButton = new QPushButton(tr("&Stop search"), this);
    StopButton->setObjectName(QStringLiteral("StopButton"));
    StopButton->setAutoDefault(false);
    FindProgress = new QProgressBar(this);
    FindProgress->setObjectName(QStringLiteral("FindProgress"));
    FindProgress->setRange(0, 1);
    FindProgress->setValue(0);
    FindProgress->setTextVisible(false);
    FindStatus = new QLabel(this);
    FindStatus->setObjectName(QStringLiteral("FindStatus"));
    FindStatus->setWordWrap(true);

    ButtonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ButtonBox->setObjectName(QStringLiteral("ButtonBox"));
    ButtonBox->button(QDialogButtonBox::Ok)->setDefault(true);

    auto *form = new QGridLayout;
    form->addWidget(pathLabel, 0, 0);
    form->addWidget(PathEdit, 0, 1);
    form->addWidget(comLabel, 1, 0);
    form->addWidget(ComBox, 1, 1);
    auto *findRow = new QHBoxLayout;
    findRow->addWidget(FindButton);
    findRow->addWidget(StopButton);
    findRow->addWidget(FindProgress, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(devicesLabel);
    layout->addWidget(PortView, 1);
    layout->addLayout(form);
    layout->addLayout(findRow);
    layout->addWidget(FindStatus);
    layout->addWidget(ButtonBox);

    setTabOrder(PortView, PathEdit);
    setTabOrder(PathEdit, ComBox);
    setTabOrder(ComBox, FindButton);
    setTabOrder(FindButton, StopButton);
    setTabOrder(StopButton, ButtonBox);

    connect(ButtonBox, &QDialogButtonBox::accepted, this, &TSerialPortForm::accept);
    connect(ButtonBox, &QDialogButtonBox::rejected, this, &TSerialPortForm::reject);
    connect(FindButton, &QPushButton::clicked, this, &TSerialPortForm::FindRadio);
    connect(StopButton, &QPushButton::clicked, this, &TSerialPortForm::CancelFind);
    connect(PortView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TSerialPortForm::RowSelected);
    connect(PortView, &QTableView::doubleClicked, this, &TSerialPortForm::accept);
    connect(PathEdit, &QLineEdit::textEdited, this, &TSerialPortForm::PathTyped);

    // The device the entry uses now: its row, or the path typed out.
    const QString current = CommDevicePath(QStringLiteral("COM%1").arg(currentPort == 2 ? 2 : 1));
    if (model_->RowOfPath(current) >= 0)
        SelectPath(current);
    else
        PathEdit->setText(current);
    PortView->resizeColumnsToContents();
    // The list as wide as its columns (at least 640) and 160 high, as far
    // as the screen allows.
    const QSize listHint = PortView->sizeHint();
    const int listWidth = PortView->horizontalHeader()->length() + 2 * PortView->frameWidth()
        + PortView->verticalScrollBar()->sizeHint().width();
    const QSize growth(qMax(0, qMax(640, listWidth) - listHint.width()), qMax(0, 160 - listHint.height()));
    resize(FitText::BoundedToScreen(this, sizeHint() + growth));

    // Devices plugged in (or out) while the window is open show up.
    RefreshTimer = new QTimer(this);
    RefreshTimer->setObjectName(QStringLiteral("RefreshTimer"));
    RefreshTimer->setInterval(kRefreshIntervalMs);
    connect(RefreshTimer, &QTimer::timeout, this, &TSerialPortForm::RefreshPorts);
    RefreshTimer->start();

    PortView->setAccessibleName(tr("Devices present"));
    PortView->setAccessibleDescription(tr("Serial devices found on this computer; choose the one the radio is on."));
    PathEdit->setAccessibleName(tr("Other device path"));
    PathEdit->setAccessibleDescription(tr("Path of a device that is not in the list."));
    ComBox->setAccessibleName(tr("Use for"));
    ComBox->setAccessibleDescription(tr("The port name, COM1 or COM2, that the chosen device is used for."));
    FindButton->setAccessibleDescription(tr("Asks each device in turn whether a radio answers."));
    StopButton->setAccessibleDescription(tr("Stops the search for the radio."));
    FindProgress->setAccessibleName(tr("Search progress"));
    FindProgress->setAccessibleDescription(tr("How many devices have been asked."));
    FindStatus->setAccessibleDescription(tr("Outcome of the search for the radio."));
    ButtonBox->button(QDialogButtonBox::Ok)->setAccessibleDescription(tr("Uses the chosen device and closes the window."));
    ButtonBox->button(QDialogButtonBox::Cancel)->setAccessibleDescription(tr("Closes the window without a change."));

    UpdateButtons();
}

TSerialPortForm::~TSerialPortForm() { StopWorker(); }

QString TSerialPortForm::SelectedRowPath() const
{
    const QModelIndexList rows = PortView->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return QString();
    const TPortInfo &port = model_->Ports().at(rows.first().row());
    // The by-id link stays the same whichever socket the device is in.
    return port.byIdPath.isEmpty() ? port.path : port.byIdPath;
}

QString TSerialPortForm::ChosenPath() const
{
    const QString typed = PathEdit->text().trimmed();
    return typed.isEmpty() ? SelectedRowPath() : typed;
}

int TSerialPortForm::ChosenPort() const { return ComBox->currentData().toInt() == 2 ? 2 : 1; }

void TSerialPortForm::SelectPath(const QString &path)
{
    const int row = model_->RowOfPath(path);
    syncing_ = true;
    if (row < 0) {
        PortView->clearSelection();
    } else {
        PortView->selectRow(row);
        PortView->scrollTo(model_->index(row, 0));
    }
    syncing_ = false;
}

void TSerialPortForm::RowSelected()
{
    // A row chosen in the list replaces a typed path.
    if (syncing_ || SelectedRowPath().isEmpty())
        return;
    PathEdit->clear();
}

void TSerialPortForm::PathTyped(const QString &text)
{
    // A typed path replaces the row chosen in the list.
    if (!text.trimmed().isEmpty())
        SelectPath(QString());
}

void TSerialPortForm::RefreshPorts()
{
    const QString selected = SelectedRowPath();
    if (model_->Refresh() && !selected.isEmpty())
        SelectPath(selected);
}

void TSerialPortForm::UpdateButtons()
{
    FindButton->setEnabled(!Searching());
    StopButton->setEnabled(Searching());
}

void TSerialPortForm::FindRadio()
{
    if (Searching())
        return;
    QStringList paths;
    for (const TPortInfo &port : model_->Ports())
        paths.append(port.path);
    const QString typed = PathEdit->text().trimmed();
    if (!typed.isEmpty() && model_->RowOfPath(typed) < 0)
        paths.append(typed);
    model_->SetRadioPath(QString());
    model_->ClearOutcomes();
    if (paths.isEmpty()) {
        FindStatus->setText(tr("No device to try: plug the cable in or type the device path."));
        return;
    }

    finder_ = std::make_shared<TRadioFinder>(replyTimeoutMs_);
    FindProgress->setRange(0, int(paths.size()));
    FindProgress->setValue(0);
    std::shared_ptr<TRadioFinder> finder = finder_;
    worker_ = QThread::create([this, finder, paths] {
        QList<TProbeResult> results;
        const QString found = finder->Find(
            paths,
            [this](int index, int count, const QString &path) {
                QMetaObject::invokeMethod(
                    this, [this, index, count, path] { ShowProgress(index, count, path); },
                    Qt::QueuedConnection);
            },
            &results);
        const bool cancelled = finder->Cancelled();
        QMetaObject::invokeMethod(
            this, [this, found, cancelled, results] { SearchDone(found, cancelled, results); },
            Qt::QueuedConnection);
    });
    worker_->setObjectName(QStringLiteral("RadioFinder"));
    worker_->start();
    UpdateButtons();
    StopButton->setFocus();
}

void TSerialPortForm::ShowProgress(int index, int count, const QString &path)
{
    if (!Searching())
        return;
    FindProgress->setValue(index);
    if (index < count) {
        FindStatus->setText(tr("Trying %1 (%2 of %3)...").arg(path).arg(index + 1).arg(count));
        model_->SetOutcome(path, tr("trying..."));
    }
}

void TSerialPortForm::SearchDone(const QString &found, bool cancelled, const QList<TProbeResult> &results)
{
    StopWorker();
    FindProgress->setValue(FindProgress->maximum());
    // Each device's row says what it did; a typed path that is not listed
    // gets its outcome on the line below the status.
    QStringList problems;
    QString typedOutcome;
    for (const TProbeResult &result : results) {
        const QString outcome = ProbeOutcomeText(result.outcome);
        model_->SetOutcome(result.path, outcome);
        if (model_->RowOfPath(result.path) < 0)
            typedOutcome = QStringLiteral("%1: %2").arg(result.path, outcome);
        if (!result.radio)
            problems.append(result.detail);
    }
    PortView->resizeColumnToContents(TPortListModel::ColRadio);
    FindStatus->setToolTip(problems.join(QLatin1Char('\n')));
    const QString below = typedOutcome.isEmpty() ? QString() : QLatin1Char('\n') + typedOutcome;
    if (cancelled) {
        FindStatus->setText(tr("Search stopped.") + below);
    } else if (found.isEmpty()) {
        FindStatus->setText(tr("No radio answered on the %n device(s) tried.", nullptr, int(results.size())) + below);
    } else {
        FindStatus->setText(tr("The radio answers on %1.").arg(found));
        model_->SetRadioPath(found);
        if (model_->RowOfPath(found) >= 0) {
            SelectPath(found);
            PathEdit->clear();
        } else {
            PathEdit->setText(found);
        }
    }
    UpdateButtons();
    FindButton->setFocus();
    emit SearchFinished(cancelled ? QString() : found);
}

void TSerialPortForm::CancelFind()
{
    if (finder_)
        finder_->Cancel();
}

void TSerialPortForm::StopWorker()
{
    if (!worker_)
        return;
    // The finder lets its port go within a few milliseconds of Cancel.
    if (finder_ && worker_->isRunning() && !finder_->Cancelled())
        finder_->Cancel();
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
    finder_.reset();
}

void TSerialPortForm::accept()
{
    const QString path = ChosenPath();
    if (path.isEmpty()) {
        Dialogs::Message(this, tr("Choose a device in the list or type its path."), Dialogs::Icon::Warning);
        return;
    }
    StopWorker();
    RefreshTimer->stop();
    SaveCommDevice(ChosenPort(), path);
    QDialog::accept();
}

void TSerialPortForm::reject()
{
    StopWorker();
    RefreshTimer->stop();
    QDialog::reject();
}
