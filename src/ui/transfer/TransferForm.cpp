// Common frame of the two transfer windows.
#include "TransferForm.h"

#include "data/DocumentHost.h"
#include "ui/FitText.h"
#include "ui/seam/Accessibility.h"
#include "ui/seam/Dialogs.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QShowEvent>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>

TTransferForm::TTransferForm(TDocumentHost &host, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      host_(host)
{
    setModal(true);
    setFont(QFont(QStringLiteral("Times New Roman")));
    setFixedSize(218, 104);
}

TTransferForm::~TTransferForm()
{
    // The engine closes its port (and joins the receive thread) while the
    // window it reports to still exists.
    delete engine_;
}

void TTransferForm::Setup(TTransferEngine *engine, const QString &caption, const QString &label)
{
    engine_ = engine;
    engine_->setParent(this);

    setWindowTitle(caption);

    Label1 = new QLabel(label, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 12, 186, 17);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 210);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(16, 36, 186, 16);

    Button1 = new QPushButton(tr("Cancel"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(72, 66, 75, 25);
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TTransferForm::Button1Click);
    FitText::FitFormToText(this);
}

TChannelDocument &TTransferForm::TransferDocument()
{
    return doc_ ? *doc_ : host_.Document();
}

void TTransferForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Each showing by the program starts one transfer (not a window
    // system's re-show). It starts once the window is on the screen, so
    // that a message about the port appears over it.
    if (!event->spontaneous())
        QMetaObject::invokeMethod(this, "FormShow", Qt::QueuedConnection);
}

void TTransferForm::FormShow()
{
    if (!isVisible())
        return;
    outcome_ = TTransferOutcome::Cancelled;
    setEnabled(true);
    const QString port = host_.CommPort();
    // The window's port is COM2 when the host says so, else COM1.
    engine_->Start(port == QLatin1String("COM2") ? QStringLiteral("COM2")
                                                 : QStringLiteral("COM1"));
}

void TTransferForm::Button1Click()
{
    engine_->Cancel();
}

void TTransferForm::closeEvent(QCloseEvent *event)
{
    // No close box, and no other way to close it either: the window is
    // hidden by the end of its transfer only.
    event->ignore();
}

void TTransferForm::TransferProgress(int position)
{
    ProgressBar1->setValue(position);
    // A new transfer starts over from the window's own words.
    const QString text = position == 0 ? TransferStatus::ProgressText(direction_, 0)
                                       : TransferStatus::ProgressAnnouncement(direction_, position_, position);
    position_ = position;
    if (text.isEmpty())
        return;
    Announce(text, false);
    QAccessibleValueChangeEvent moved(ProgressBar1, position);
    Accessibility::Notify(&moved);
}

void TTransferForm::TransferMessage(const QString &text)
{
    Dialogs::Message(this, text, Dialogs::Icon::Critical);
}

void TTransferForm::TransferCommError(const QString &text)
{
    Dialogs::ShowException(this, text);
}

void TTransferForm::TransferEnable(bool enabled)
{
    setEnabled(enabled);
}

void TTransferForm::TransferRefresh()
{
    host_.RebuildVfoRows();
    host_.RefreshGrids();
}

void TTransferForm::TransferFinished(TTransferOutcome outcome)
{
    outcome_ = outcome;
    // Where the bar stopped, then how the transfer ended.
    QAccessibleValueChangeEvent stopped(ProgressBar1, ProgressBar1->value());
    Accessibility::Notify(&stopped);
    Announce(TransferStatus::OutcomeText(direction_, outcome), true);
    hide();
    done(outcome == TTransferOutcome::Completed ? QDialog::Accepted : QDialog::Rejected);
}

void TTransferForm::SetAccessibleTexts(TTransferDirection direction)
{
    direction_ = direction;
    const bool read = direction == TTransferDirection::Read;
    setAccessibleDescription(read ? tr("Reads the whole memory of the radio into the document.")
                                  : tr("Writes the whole document into the memory of the radio."));
    Label1->setAccessibleName(TransferStatus::ProgressText(direction, 0));
    Label1->setAccessibleDescription(tr("Where the transfer stands"));
    ProgressBar1->setAccessibleName(read ? tr("Read progress") : tr("Write progress"));
    ProgressBar1->setAccessibleDescription(tr("How much of the memory has been transferred"));
    Button1->setAccessibleName(tr("Cancel"));
    Button1->setAccessibleDescription(read ? tr("Stops reading; what has been read so far stays in the document")
                                           : tr("Stops writing; the radio keeps what it has been sent so far"));
}

void TTransferForm::Announce(const QString &text, bool alert)
{
    Label1->setAccessibleName(text);
    QAccessibleEvent renamed(Label1, QAccessible::NameChanged);
    Accessibility::Notify(&renamed);
    if (alert) {
        QAccessibleEvent said(Label1, QAccessible::Alert);
        Accessibility::Notify(&said);
    }
}
