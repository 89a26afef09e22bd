#pragma once

#include <QDialog>

class TMemory : public QDialog {
    Q_OBJECT
public:
    explicit TMemory(QWidget *parent = nullptr);
};
