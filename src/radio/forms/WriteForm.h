// TWriteForm: the modal window that writes the whole document into the
// radio. HComm1 is also used by the main window to probe the port.
#pragma once

#include "TransferForm.h"

class TWriteTransfer;

class TWriteForm : public TTransferForm {
    Q_OBJECT
public:
    explicit TWriteForm(QWidget *parent = nullptr);
    ~TWriteForm() override;

    TWriteTransfer *WriteTransfer() const { return write_; }

private:
    TWriteTransfer *write_ = nullptr;
};
