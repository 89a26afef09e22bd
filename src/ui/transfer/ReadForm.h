// TReadForm: the modal window that reads the whole radio into the
// document. HComm1 also probes ports for the main window.
#pragma once

#include "TransferForm.h"

class TReadTransfer;

class TReadForm : public TTransferForm {
    Q_OBJECT
public:
    explicit TReadForm(TDocumentHost &host, QWidget *parent = nullptr);
    ~TReadForm() override;

    TReadTransfer *ReadTransfer() const { return read_; }

private:
    TReadTransfer *read_ = nullptr;
};
