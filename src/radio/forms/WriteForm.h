#pragma once

#include "comm/HComm.h"

#include <QDialog>

class TWriteForm : public QDialog {
    Q_OBJECT
public:
    explicit TWriteForm(QWidget *parent = nullptr);
    ~TWriteForm() override;
    THComm *HComm1 = nullptr;
};
