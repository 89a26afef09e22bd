// TReadForm: the modal window that reads the whole radio into the document.
#include "ReadForm.h"

#include "radio/ReadTransfer.h"

TReadForm::TReadForm(TDocumentHost &host, QWidget *parent) : TTransferForm(host, parent)
{
    setObjectName(QStringLiteral("ReadForm"));
    read_ = new TReadTransfer(*this);
    Setup(read_, tr("Read"), tr("Reading data from the Radio."));
    SetAccessibleTexts(TTransferDirection::Read);
    HComm1 = &read_->Comm();
}

TReadForm::~TReadForm() = default;
