// TWriteForm: the modal window that writes the whole document into the radio.
#include "WriteForm.h"

#include "radio/WriteTransfer.h"

TWriteForm::TWriteForm(TDocumentHost &host, QWidget *parent) : TTransferForm(host, parent)
{
    setObjectName(QStringLiteral("WriteForm"));
    write_ = new TWriteTransfer(*this);
    Setup(write_, tr("Write"), tr("Writing data to the Radio."));
    SetAccessibleTexts(TTransferDirection::Write);
    HComm1 = &write_->Comm();
}

TWriteForm::~TWriteForm() = default;

bool TWriteForm::FailedPartWay() const
{
    return write_->Failed() && write_->MemoryMixed();
}
