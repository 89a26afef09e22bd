// Start-up and end of the editor: the application object's identity, the
// windows created once in their fixed order and wired to each other, the
// splash hand-over and the message loop.
#pragma once

#include "app/EditorOptions.h"
#include "ui/main/MainWindowServices.h"

#include <QApplication>
#include <QLocale>
#include <QStringList>
#include <functional>

class QWidget;
class TAboutBox;
class TCALL;
class TChannelTable;
class TDTMF;
class THelpForm;
class TMainForm;
class TMemory;
class TReadForm;
class TVFO;
class TWelcome;
class TWriteForm;

// The application object: an exception that escapes an event handler is
// shown in the standard exception box and the program goes on.
class TApplication : public QApplication {
public:
    TApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// Owns the windows. The main window reaches the others only through the
// shell's TMainWindowServices; the editors and the transfer windows reach
// the main window only as their TDocumentHost.
class TApplicationShell : public TMainWindowServices {
public:
    // Called with each window right after it has been created.
    using CreationObserver = std::function<void(QWidget *window)>;

    TApplicationShell();
    ~TApplicationShell() override; // destroys the windows it created
    TApplicationShell(const TApplicationShell &) = delete;
    TApplicationShell &operator=(const TApplicationShell &) = delete;

    // Name, organisation, icon and desktop entry of the running application.
    static void SetApplicationIdentity();
    // Installs the editor's translation for the locale's languages and Qt's
    // own (standard buttons and dialogs), before any window is made. The
    // program passes QLocale::system(), so LANGUAGE, LC_ALL, LC_MESSAGES and
    // LANG choose. Returns whether the editor's translation was found; an
    // English locale has none and keeps the source texts.
    static bool InstallTranslations(const QLocale &locale);
    // Takes the installed translations out again: the source texts return.
    static void RemoveTranslations();

    // The command-line arguments after the program name (a data file).
    void SetArguments(const QStringList &arguments) { arguments_ = arguments; }
    // Radio > Read or File > Open Backup... once the main window is up.
    void SetStartCommand(TEditorCommandLine::Start command) { startCommand_ = command; }
    void SetCreationObserver(CreationObserver observer) { observer_ = std::move(observer); }
    // Test hook: a shorter splash time than the 3000 ms of the program.
    void SetSplashIntervalForTesting(int milliseconds) { splashInterval_ = milliseconds; }

    // Creates TWelcome, TMainForm, TMemory, TVFO, TCALL, TDTMF, TReadForm,
    // TWriteForm and TAboutBox, in this order. The help window follows on
    // first use.
    void CreateForms();
    // Shows the splash window; its timer later shows the main window.
    void Start();
    // The whole start-up and the message loop until the splash window
    // closes. Returns 0, or 1 after showing an exception that escaped.
    int Run();
    // Destroys the windows in the reverse order; every accessor below
    // gives null afterwards.
    void DestroyForms();

    TWelcome *Welcome() const { return welcome_; }
    TMainForm *MainForm() const { return main_; }
    TMemory *Memory() const { return memory_; }
    TVFO *VFO() const { return vfo_; }
    TCALL *CALL() const { return call_; }
    TDTMF *DTMF() const { return dtmf_; }
    TReadForm *ReadForm() const { return read_; }
    TWriteForm *WriteForm() const { return write_; }
    TAboutBox *AboutBox() const { return about_; }
    // The help window, once help has been asked for (else null).
    THelpForm *HelpForm() const { return help_; }
    // The channel table, once it has been asked for (else null).
    TChannelTable *ChannelTable() const { return table_; }

    // TMainWindowServices
    void EditRecord(int list) override;
    bool PortValid(const QString &port, bool writeWindow) override;
    QString PortProblem(const QString &port, bool writeWindow) override;
    bool RunRead() override;
    bool RunWrite() override;
    bool ChooseSerialPort(int port) override;
    void ShowAbout() override;
    void ShowHelp() override;
    void ShowHelpTopic(const QString &topic) override;
    void ShowChannelTable() override;
    void MainWindowClosed() override;

private:
    QStringList arguments_;
    TEditorCommandLine::Start startCommand_ = TEditorCommandLine::Start::None;
    CreationObserver observer_;
    int splashInterval_ = -1;
    QList<QWidget *> created_;
    TWelcome *welcome_ = nullptr;
    TMainForm *main_ = nullptr;
    TMemory *memory_ = nullptr;
    TVFO *vfo_ = nullptr;
    TCALL *call_ = nullptr;
    TDTMF *dtmf_ = nullptr;
    TReadForm *read_ = nullptr;
    TWriteForm *write_ = nullptr;
    TAboutBox *about_ = nullptr;
    THelpForm *help_ = nullptr; // child of the main window
    TChannelTable *table_ = nullptr; // child of the main window
};
