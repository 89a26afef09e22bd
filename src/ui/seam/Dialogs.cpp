#include "Dialogs.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <QFileDialog>
#include <QKeyEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QWidget>

namespace Dialogs {

namespace {
MessageResponder g_message;
FileResponder g_file;
PrintResponder g_print;
PrinterPresence g_printers;
ReportResponder g_report;
ChoiceResponder g_choice;

// A message box whose Escape key and close box can be switched off. A
// Yes/No question has no Cancel: Escape must not count as No, or two
// presses of Escape could drop an unsaved change without a word.
class TQuestionBox : public QMessageBox {
public:
    TQuestionBox(QMessageBox::Icon icon, const QString &caption, const QString &text, QWidget *parent)
        : QMessageBox(icon, caption, text, QMessageBox::NoButton, parent)
    {
    }
    bool escapeCloses = true;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (!escapeCloses && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent *event) override
    {
        if (!escapeCloses && !clickedButton()) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }
};

QMessageBox::Icon toQt(Icon icon)
{
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

Answer Show(QWidget *parent, const MessageRequest &request)
{
    if (g_message)
        return g_message(request);

    const QString &text = request.text;
    const QString &caption = request.caption;
    const Icon icon = request.icon;
    const Buttons buttons = request.buttons;
    const QMessageBox::StandardButton chosenDefault =
        request.defaultAnswer == Answer::No ? QMessageBox::No
        : request.defaultAnswer == Answer::Cancel && buttons == Buttons::YesNoCancel ? QMessageBox::Cancel
                                                                                      : QMessageBox::Yes;

    TQuestionBox box(toQt(icon), caption, text, parent);
    box.escapeCloses = buttons != Buttons::YesNo;
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(chosenDefault);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(chosenDefault);
        break;
    }
    const int result = box.exec();
    switch (result) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: break;
    }
    // Closing the box with Escape or its close box (a Yes/No question
    // cannot be closed so: it has no Cancel).
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

} // namespace

Answer Message(QWidget *parent, const QString &text, const QString &caption, Icon icon, Buttons buttons)
{
    return Show(parent, MessageRequest{text, caption, icon, buttons});
}

Answer Question(QWidget *parent, const QString &text, Buttons buttons, Answer defaultAnswer)
{
    return Show(parent, MessageRequest{text, QStringLiteral("VXL-R381"), Icon::Question, buttons, defaultAnswer});
}

Answer Message(QWidget *parent, const QString &text, Icon icon, Buttons buttons)
{
    return Message(parent, text, QStringLiteral("VXL-R381"), icon, buttons);
}

QString FileDialog(QWidget *parent, const FileRequest &request)
{
    if (g_file)
        return g_file(request);

    QFileDialog dialog(parent, request.caption, request.folder, request.filter);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The open dialog accepts a typed name of a missing file: the open then fails.
    dialog.setFileMode(QFileDialog::AnyFile);
    // A save dialog asks before it replaces an existing file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(request.save && request.confirmOverwrite));
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

int Choose(QWidget *parent, const ChoiceRequest &request)
{
    const int cancel = int(request.choices.size()) - 1;
    if (g_choice)
        return g_choice(request);
    if (cancel < 0)
        return -1;
    QMessageBox box(toQt(request.icon), request.caption, request.text, QMessageBox::NoButton, parent);
    QList<QAbstractButton *> buttons;
    for (int i = 0; i <= cancel; ++i)
        buttons << box.addButton(request.choices[i], i == cancel ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
    box.setEscapeButton(buttons.last());
    box.setDefaultButton(qobject_cast<QPushButton *>(buttons.value(request.defaultChoice, buttons.first())));
    box.exec();
    const int chosen = int(buttons.indexOf(box.clickedButton()));
    return chosen < 0 ? cancel : chosen;
}

Answer Report(QWidget *parent, const ReportRequest &request)
{
    if (g_report)
        return g_report(request);
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ReportDialog"));
    dialog.setWindowTitle(request.caption);
    auto *layout = new QVBoxLayout(&dialog);
    auto *summary = new QLabel(request.summary, &dialog);
    summary->setObjectName(QStringLiteral("ReportSummary"));
    summary->setWordWrap(true);
    layout->addWidget(summary);
    auto *list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("ReportLines"));
    // The lines come from a file: shown as plain text, one item each.
    list->addItems(request.lines);
    list->setMinimumSize(480, 240);
    layout->addWidget(list);
    auto *buttons = new QDialogButtonBox(request.canApply ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel
                                                          : QDialogButtonBox::Close,
                                         &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return dialog.exec() == QDialog::Accepted && request.canApply ? Answer::Ok : Answer::Cancel;
}

bool PrintDialog(QWidget *parent, QPrinter *printer)
{
    if (g_print)
        return g_print(printer);
    QPrintDialog dialog(printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize
                      | QAbstractPrintDialog::PrintCollateCopies);
    return dialog.exec() == QDialog::Accepted;
}

bool HasPrinter()
{
    if (g_printers)
        return g_printers();
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

void ShowException(QWidget *parent, const QString &message)
{
    Message(parent, message, Icon::Critical, Buttons::Ok);
}

void SetMessageResponder(MessageResponder responder) { g_message = std::move(responder); }
void SetFileResponder(FileResponder responder) { g_file = std::move(responder); }
void SetPrintResponder(PrintResponder responder) { g_print = std::move(responder); }
void SetPrinterPresence(PrinterPresence presence) { g_printers = std::move(presence); }
void SetReportResponder(ReportResponder responder) { g_report = std::move(responder); }
void SetChoiceResponder(ChoiceResponder responder) { g_choice = std::move(responder); }
void ResetResponders()
{
    g_message = nullptr;
    g_file = nullptr;
    g_print = nullptr;
    g_printers = nullptr;
    g_report = nullptr;
    g_choice = nullptr;
}

} // namespace Dialogs
