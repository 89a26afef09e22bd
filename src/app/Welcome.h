#pragma once

#include <QDialog>

class TWelcome : public QDialog {
    Q_OBJECT
public:
    explicit TWelcome(QWidget *parent = nullptr);
};
