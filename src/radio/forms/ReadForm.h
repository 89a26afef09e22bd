// TReadForm: the modal window that reads the whole radio into the
// document. HComm1 is also used by the main window to probe ports.
#pragma once

#include "TransferForm.h"

class TReadTransfer;

class TReadForm : public TTransferForm {
    Q_OBJECT
public:
    explicit TReadForm(QWidget *parent = nullptr);
    ~TReadForm() override;

    TReadTransfer *ReadTransfer() const { return read_; }

private:
    TReadTransfer *read_ = nullptr;
};
