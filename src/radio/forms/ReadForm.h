#pragma once

#include "comm/HComm.h"

#include <QDialog>

class TReadForm : public QDialog {
    Q_OBJECT
public:
    explicit TReadForm(QWidget *parent = nullptr);
    ~TReadForm() override;
    THComm *HComm1 = nullptr;
};
