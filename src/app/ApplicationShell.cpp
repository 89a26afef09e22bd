#include "ApplicationShell.h"

#include "data/ProgramVersion.h"
#include "data/Settings.h"

#include "comm/HComm.h"
#include "comm/PortProblem.h"
#include "ui/Artwork.h"
#include "ui/editors/CALL.h"
#include "ui/editors/DTMF.h"
#include "ui/editors/Memory.h"
#include "ui/editors/VFO.h"
#include "ui/info/AboutBox.h"
#include "ui/info/HelpForm.h"
#include "ui/info/Welcome.h"
#include "ui/main/MainForm.h"
#include "ui/main/DocumentHistory.h"
#include "ui/port/SerialPortForm.h"
#include "ui/seam/Dialogs.h"
#include "ui/table/ChannelTable.h"
#include "ui/transfer/ReadForm.h"
#include "ui/transfer/WriteForm.h"

#include <QEventLoop>
#include <QLibraryInfo>
#include <QList>
#include <QPointer>
#include <QTranslator>
#include <QTimer>
#include <exception>

namespace {

QString ExceptionText(const std::exception &e)
{
    const QString text = QString::fromLocal8Bit(e.what());
    return text.isEmpty() ? QCoreApplication::translate("TApplicationShell", "Unknown error.") : text;
}

} // namespace

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        Dialogs::ShowException(activeWindow(), ExceptionText(e));
    } catch (...) {
        Dialogs::ShowException(activeWindow(), QCoreApplication::translate("TApplicationShell", "Unknown error."));
    }
    return false;
}

TApplicationShell::TApplicationShell() = default;

TApplicationShell::~TApplicationShell() { DestroyForms(); }

void TApplicationShell::SetApplicationIdentity()
{
    QCoreApplication::setOrganizationName(QLatin1String(kSettingsOrganisation));
    QCoreApplication::setApplicationName(QLatin1String(kSettingsApplication));
    QCoreApplication::setApplicationVersion(QLatin1String(kProgramVersion));
    QApplication::setWindowIcon(ProgramIcon());
    // Wayland compositors find the icon and the name of the windows
    // through the desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.halvord.vxl_r381"));
    // The splash window, not the last visible window, decides when the
    // program ends: it is hidden while the main window is up.
    QApplication::setQuitOnLastWindowClosed(false);
}

namespace {
// The translators InstallTranslations put in, so that a second call
// replaces them and RemoveTranslations takes them out again.
QList<QPointer<QTranslator>> &InstalledTranslators()
{
    static QList<QPointer<QTranslator>> installed;
    return installed;
}
} // namespace

bool TApplicationShell::InstallTranslations(const QLocale &locale)
{
    RemoveTranslations();
    // Qt's own texts first (standard buttons, file dialogs); the editor's
    // translation, installed last, is asked first.
    auto *qt = new QTranslator(qApp);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
        InstalledTranslators().append(qt);
    } else {
        delete qt;
    }
    auto *editor = new QTranslator(qApp);
    if (!editor->load(locale, QStringLiteral("vxl-r381"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        delete editor;
        return false;
    }
    QCoreApplication::installTranslator(editor);
    InstalledTranslators().append(editor);
    return true;
}

void TApplicationShell::RemoveTranslations()
{
    for (const QPointer<QTranslator> &translator : std::as_const(InstalledTranslators())) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    InstalledTranslators().clear();
}

void TApplicationShell::CreateForms()
{
    // Each window may rely on the ones created before it.
    auto made = [&](QWidget *window) {
        created_.append(window);
        if (observer_)
            observer_(window);
    };
    made(welcome_ = new TWelcome);
    if (splashInterval_ >= 0)
        welcome_->Timer1->setInterval(splashInterval_);
    made(main_ = new TMainForm(this));
    main_->SetCommandLine(arguments_);
    switch (startCommand_) {
    case TEditorCommandLine::Start::None: break;
    case TEditorCommandLine::Start::Read: main_->SetStartCommand(TMainForm::StartCommand::Read); break;
    case TEditorCommandLine::Start::Backups: main_->SetStartCommand(TMainForm::StartCommand::OpenBackup); break;
    }
    // The splash window hands over to the main window.
    QObject::connect(welcome_, &TWelcome::HandOver, main_, &QWidget::show);
    made(memory_ = new TMemory(*main_));
    made(vfo_ = new TVFO(*main_));
    made(call_ = new TCALL(*main_));
    made(dtmf_ = new TDTMF(*main_));
    made(read_ = new TReadForm(*main_));
    made(write_ = new TWriteForm(*main_));
    made(about_ = new TAboutBox);
}

void TApplicationShell::Start()
{
    if (welcome_)
        welcome_->show();
}

void TApplicationShell::EditRecord(int list)
{
    QDialog *editor = nullptr;
    switch (list) {
    case 1: editor = memory_; break;
    case 2: editor = vfo_; break;
    case 3: editor = call_; break;
    case 4: editor = dtmf_; break;
    }
    if (editor)
        editor->exec();
}

bool TApplicationShell::PortValid(const QString &port, bool writeWindow)
{
    // Each transfer window's own serial component tries the port's device.
    TTransferForm *window = writeWindow ? static_cast<TTransferForm *>(write_) : read_;
    return window && window->HComm1 && window->HComm1->CheckCommportValid(CommDevicePath(port));
}

QString TApplicationShell::PortProblem(const QString &port, bool writeWindow)
{
    TTransferForm *window = writeWindow ? static_cast<TTransferForm *>(write_) : read_;
    if (!window || !window->HComm1)
        return QString();
    return OpenProblemText(CommDevicePath(port), port, window->HComm1->LastOpenError());
}

bool TApplicationShell::RunRead()
{
    return read_ && read_->exec() == QDialog::Accepted;
}

bool TApplicationShell::RunWrite()
{
    if (!write_)
        return false;
    write_->exec();
    return write_->FailedPartWay();
}

bool TApplicationShell::ChooseSerialPort(int port)
{
    if (!main_)
        return false;
    // A fresh window each time: it lists the devices present now.
    TSerialPortForm window(&ListSerialPorts, port, main_);
    return window.exec() == QDialog::Accepted;
}

void TApplicationShell::ShowAbout()
{
    if (about_)
        about_->exec();
}

void TApplicationShell::ShowHelp()
{
    if (!main_)
        return;
    // A window of its own, destroyed with the main window.
    if (!help_)
        help_ = new THelpForm(main_);
    help_->ShowContents();
}

void TApplicationShell::ShowHelpTopic(const QString &topic)
{
    ShowHelp();
    if (help_)
        help_->ShowTopic(topic);
}

void TApplicationShell::ShowChannelTable()
{
    if (!main_)
        return;
    // A window of its own beside the main window, over the same document
    // and undo history; it follows every change the main window shows.
    if (!table_) {
        table_ = new TChannelTable(*main_, &main_->History().Stack(), main_);
        QObject::connect(main_, &TMainForm::DocumentChanged, table_, &TChannelTable::DocumentChanged);
    }
    table_->show();
    table_->raise();
    table_->activateWindow();
}

void TApplicationShell::MainWindowClosed()
{
    // The splash window is the principal window: closing it ends the program.
    if (welcome_)
        welcome_->close();
}

int TApplicationShell::Run()
{
    try {
        SetApplicationIdentity();
        // A serial error raised on a port's receive thread is shown on the
        // GUI thread, like any other exception escaping an event handler.
        SetCommErrorReport([](const QString &message) {
            QMetaObject::invokeMethod(
                qApp, [message] { Dialogs::ShowException(QApplication::activeWindow(), message); },
                Qt::QueuedConnection);
        });
        CreateForms();
        QEventLoop loop;
        QObject::connect(welcome_, &TWelcome::Closed, &loop, &QEventLoop::quit,
                         Qt::QueuedConnection);
        Start();
        loop.exec();
        return 0;
    } catch (const std::exception &e) {
        Dialogs::ShowException(nullptr, ExceptionText(e));
    } catch (...) {
        Dialogs::ShowException(nullptr, QCoreApplication::translate("TApplicationShell", "Unknown error."));
    }
    // A start-up that failed must not report success.
    DestroyForms();
    return 1;
}

void TApplicationShell::DestroyForms()
{
    while (!created_.isEmpty()) {
        QWidget *window = created_.takeLast();
        if (window == welcome_) welcome_ = nullptr;
        else if (window == main_) {
            main_ = nullptr;
            help_ = nullptr; // the help and table windows go with it
            table_ = nullptr;
        }
        else if (window == memory_) memory_ = nullptr;
        else if (window == vfo_) vfo_ = nullptr;
        else if (window == call_) call_ = nullptr;
        else if (window == dtmf_) dtmf_ = nullptr;
        else if (window == read_) read_ = nullptr;
        else if (window == write_) write_ = nullptr;
        else if (window == about_) about_ = nullptr;
        delete window;
    }
}
