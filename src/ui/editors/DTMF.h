#pragma once

#include <QDialog>

class TDTMF : public QDialog {
    Q_OBJECT
public:
    explicit TDTMF(QWidget *parent = nullptr);
};
