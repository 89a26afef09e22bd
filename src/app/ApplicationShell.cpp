#include "data/Settings.h"
#include "ApplicationShell.h"

#include "AboutBox.h"
#include "Artwork.h"
#include "Welcome.h"
#include "comm/HComm.h"
#include "radio/forms/ReadForm.h"
#include "radio/forms/WriteForm.h"
#include "ui/Forms.h"
#include "ui/editors/CALL.h"
#include "ui/editors/DTMF.h"
#include "ui/editors/Memory.h"
#include "ui/editors/VFO.h"
#include "ui/main/MainForm.h"
#include "ui/seam/Dialogs.h"

#include <QEventLoop>
#include <QTimer>
#include <exception>

namespace {

QString ExceptionText(const std::exception &e)
{
    const QString text = QString::fromLocal8Bit(e.what());
    return text.isEmpty() ? QStringLiteral("Unknown error.") : text;
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
        Dialogs::ShowException(activeWindow(), QStringLiteral("Unknown error."));
    }
    return false;
}

TApplicationShell::TApplicationShell() = default;

TApplicationShell::~TApplicationShell() { DestroyForms(); }

void TApplicationShell::SetApplicationIdentity()
{
    QCoreApplication::setOrganizationName(QLatin1String(kSettingsOrganisation));
    QCoreApplication::setApplicationName(QLatin1String(kSettingsApplication));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.10"));
    QApplication::setWindowIcon(ProgramIcon());
    // The splash window, not the last visible window, decides when the
    // program ends: it is hidden while the main window is up.
    QApplication::setQuitOnLastWindowClosed(false);
}

void TApplicationShell::CreateForms()
{
    TForms &forms = Forms();
    // Each window may rely on the ones created before it.
    auto made = [&](QWidget *window) {
        created_.append(window);
        if (observer_)
            observer_(window);
    };
    made(forms.Welcome = new TWelcome);
    if (splashInterval_ >= 0)
        forms.Welcome->Timer1->setInterval(splashInterval_);
    made(forms.MainForm = new TMainForm);
    forms.MainForm->SetCommandLine(arguments_);
    made(forms.Memory = new TMemory);
    made(forms.VFO = new TVFO);
    made(forms.CALL = new TCALL);
    made(forms.DTMF = new TDTMF);
    made(forms.ReadForm = new TReadForm);
    made(forms.WriteForm = new TWriteForm);
    made(forms.AboutBox = new TAboutBox);
}

void TApplicationShell::Start()
{
    if (Forms().Welcome)
        Forms().Welcome->show();
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
        QObject::connect(Forms().Welcome, &TWelcome::Closed, &loop, &QEventLoop::quit,
                         Qt::QueuedConnection);
        Start();
        loop.exec();
        return 0;
    } catch (const std::exception &e) {
        Dialogs::ShowException(nullptr, ExceptionText(e));
    } catch (...) {
        Dialogs::ShowException(nullptr, QStringLiteral("Unknown error."));
    }
    // A start-up that failed must not report success.
    DestroyForms();
    return 1;
}

void TApplicationShell::DestroyForms()
{
    TForms &forms = Forms();
    while (!created_.isEmpty()) {
        QWidget *window = created_.takeLast();
        if (window == forms.Welcome) forms.Welcome = nullptr;
        else if (window == forms.MainForm) forms.MainForm = nullptr;
        else if (window == forms.Memory) forms.Memory = nullptr;
        else if (window == forms.VFO) forms.VFO = nullptr;
        else if (window == forms.CALL) forms.CALL = nullptr;
        else if (window == forms.DTMF) forms.DTMF = nullptr;
        else if (window == forms.ReadForm) forms.ReadForm = nullptr;
        else if (window == forms.WriteForm) forms.WriteForm = nullptr;
        else if (window == forms.AboutBox) forms.AboutBox = nullptr;
        delete window;
    }
}
