// Common frame of the two transfer windows: a label, a progress bar and a
// Cancel button around one transfer engine. The window has no close box;
// Cancel is the only way out, and the window closes itself when the
// transfer ends.
#pragma once

#include "comm/HComm.h"
#include "data/ChannelDocument.h"
#include "radio/TransferEngine.h"
#include "radio/TransferStatus.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class TDocumentHost;

class TTransferForm : public QDialog, public TTransferHost {
    Q_OBJECT
public:
    ~TTransferForm() override;

    const THComm *HComm1 = nullptr; // the engine's serial component
    QLabel *Label1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QPushButton *Button1 = nullptr;

    TTransferEngine *Transfer() const { return engine_; }
    // How the last transfer ended (Cancelled until one has ended).
    TTransferOutcome LastOutcome() const { return outcome_; }

    // The document to use instead of the host's (nullptr: the host's again).
    void UseDocument(TChannelDocument *doc) { doc_ = doc; }

    // TTransferHost
    TChannelDocument &TransferDocument() override;
    void TransferProgress(int position) override;
    void TransferMessage(const QString &text) override;
    void TransferCommError(const QString &text) override;
    void TransferEnable(bool enabled) override;
    void TransferRefresh() override;
    void TransferFinished(TTransferOutcome outcome) override;

public slots:
    // Starts a transfer on the host's port.
    void FormShow();
    void Button1Click();

protected:
    TTransferForm(TDocumentHost &host, QWidget *parent);
    // Builds the controls around engine (owned by the window).
    void Setup(TTransferEngine *engine, const QString &caption, const QString &label);
    // Names and describes the controls for screen readers; the status
    // announced during the transfer speaks of this direction.
    void SetAccessibleTexts(TTransferDirection direction);

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Escape does not close the window.
    void reject() override {}

private:
    TDocumentHost &host_;
    TTransferEngine *engine_ = nullptr;
    TChannelDocument *doc_ = nullptr;
    TTransferOutcome outcome_ = TTransferOutcome::Cancelled;
    TTransferDirection direction_ = TTransferDirection::Read;
    int position_ = 0; // the last progress position reported

    // Makes text the status a screen reader reads from Label1 (its visible
    // text stays) and tells it of the change; an alert asks for it to be
    // read out at once.
    void Announce(const QString &text, bool alert);
};
