// TWelcome: the splash window shown at start-up. It is the principal
// window: closing it ends the program.
#pragma once

#include <QWidget>

class QLabel;
class QTimer;

class TWelcome : public QWidget {
    Q_OBJECT
public:
    explicit TWelcome(QWidget *parent = nullptr);

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QTimer *Timer1 = nullptr; // single shot, 3000 ms, started when first shown

public slots:
    // Hands over to the main window.
    void Timer1Timer();

signals:
    // The splash time is over and the window hidden: the main window shows.
    void HandOver();
    // The window has been closed: the program ends.
    void Closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool shown_ = false;
};
