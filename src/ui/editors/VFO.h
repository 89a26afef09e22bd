#pragma once

#include <QDialog>

class TVFO : public QDialog {
    Q_OBJECT
public:
    explicit TVFO(QWidget *parent = nullptr);
};
