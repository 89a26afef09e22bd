// TWriteForm: the modal window that writes the whole document into the
// radio. HComm1 also probes the port for the main window.
#pragma once

#include "TransferForm.h"

class TWriteTransfer;

class TWriteForm : public TTransferForm {
    Q_OBJECT
public:
    explicit TWriteForm(TDocumentHost &host, QWidget *parent = nullptr);
    ~TWriteForm() override;

    TWriteTransfer *WriteTransfer() const { return write_; }
    // Whether the last write failed after memory had gone to the radio and
    // before it was all taken: the radio holds old and new memory mixed.
    bool FailedPartWay() const;

private:
    TWriteTransfer *write_ = nullptr;
};
