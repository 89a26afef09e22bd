// TAboutBox: program name, version and notice.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);

    QFrame *Panel1 = nullptr;
    QLabel *ProgramIcon = nullptr;
    QLabel *ProductName = nullptr;
    QLabel *Version = nullptr;
    QLabel *Copyright = nullptr;
    QPushButton *OKButton = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};
