// Start-up and end of the editor: the application object's identity, the
// nine windows created once in their fixed order, the splash hand-over and
// the message loop.
#pragma once

#include <QApplication>
#include <QStringList>
#include <functional>

class QWidget;

// The application object: an exception that escapes an event handler is
// shown in the standard exception box and the program goes on.
class TApplication : public QApplication {
public:
    TApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

class TApplicationShell {
public:
    // Called with each window right after it has been created and
    // registered in Forms().
    using CreationObserver = std::function<void(QWidget *window)>;

    TApplicationShell();
    ~TApplicationShell(); // destroys the windows it created
    TApplicationShell(const TApplicationShell &) = delete;
    TApplicationShell &operator=(const TApplicationShell &) = delete;

    // Name, organisation and icon of the running application.
    static void SetApplicationIdentity();

    // The command-line arguments after the program name (a data file).
    void SetArguments(const QStringList &arguments) { arguments_ = arguments; }
    void SetCreationObserver(CreationObserver observer) { observer_ = std::move(observer); }
    // Test hook: a shorter splash time than the 3000 ms of the program.
    void SetSplashIntervalForTesting(int milliseconds) { splashInterval_ = milliseconds; }

    // Creates TWelcome, TMainForm, TMemory, TVFO, TCALL, TDTMF, TReadForm,
    // TWriteForm and TAboutBox, in this order, each registered in Forms().
    void CreateForms();
    // Shows the splash window; its timer later shows the main window.
    void Start();
    // The whole start-up and the message loop until the splash window
    // closes. Returns 0, or 1 after showing an exception that escaped.
    int Run();
    // Destroys the windows in the reverse order and clears Forms().
    void DestroyForms();

private:
    QStringList arguments_;
    CreationObserver observer_;
    int splashInterval_ = -1;
    QList<QWidget *> created_;
};
