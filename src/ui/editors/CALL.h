#pragma once

#include <QDialog>

class TCALL : public QDialog {
    Q_OBJECT
public:
    explicit TCALL(QWidget *parent = nullptr);
};
