// One seam for every message box, file dialog and print dialog, so that
// tests can answer them and check what was asked.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;
class QPrinter;

namespace Dialogs {

enum class Icon { None, Information, Warning, Critical, Question };
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct MessageRequest {
    QString text;
    QString caption;
    Icon icon;
    Buttons buttons;
    // The button Enter presses in a question (Yes unless said otherwise).
    Answer defaultAnswer = Answer::Yes;
};

struct FileRequest {
    bool save = false;      // save dialog (else open dialog)
    QString caption;
    QString folder;         // initial folder
    QString fileName;       // preset name
    QString filter;         // Qt filter text
    QString defaultSuffix;  // appended to a name typed without extension
    bool confirmOverwrite = true; // a save dialog asks before replacing a file
};

// Shows a modal message box (or asks the installed responder).
Answer Message(QWidget *parent, const QString &text, const QString &caption, Icon icon, Buttons buttons);
// Convenience with the program caption "VXL-R381".
Answer Message(QWidget *parent, const QString &text, Icon icon, Buttons buttons = Buttons::Ok);
// A question whose default button (the one Enter presses) is defaultAnswer,
// for questions where Yes is the bolder choice.
Answer Question(QWidget *parent, const QString &text, Buttons buttons, Answer defaultAnswer);

// Returns the chosen path, or an empty string when cancelled.
QString FileDialog(QWidget *parent, const FileRequest &request);

// A report to confirm: a summary line, the report lines below it in a
// scrolling list, and OK / Cancel (only Close when nothing can be applied).
struct ReportRequest {
    QString caption;
    QString summary;
    QStringList lines;
    bool canApply = true;
};
// Ok when the user confirmed, Cancel otherwise.
Answer Report(QWidget *parent, const ReportRequest &request);

// A question answered by one of several named buttons, in the order given;
// the last one cancels (Escape and the close box choose it too).
struct ChoiceRequest {
    QString caption;
    QString text;
    Icon icon = Icon::Question;
    QStringList choices;   // button texts: "&Swap", "&Insert here", "Cancel"
    int defaultChoice = 0;
};
// Index of the chosen button.
int Choose(QWidget *parent, const ChoiceRequest &request);

// Shows the print dialog for the printer; true when the user confirmed.
// It offers what the listing honours: printer, paper, copies, collation
// and page order; no selection or current page, and no page range that the
// program would have to apply (Qt then offers CUPS's own page range, which
// the print system applies).
bool PrintDialog(QWidget *parent, QPrinter *printer);
// Whether the system lists any printer at all.
bool HasPrinter();

// Reports an exception's message the way the application's standard
// exception box does (caption "VXL-R381", stop icon).
void ShowException(QWidget *parent, const QString &message);

// Test responders. Each returns the answer to give; when none is installed
// the real dialog is shown.
using MessageResponder = std::function<Answer(const MessageRequest &)>;
using FileResponder = std::function<QString(const FileRequest &)>;
using PrintResponder = std::function<bool(QPrinter *)>;
using PrinterPresence = std::function<bool()>;
using ReportResponder = std::function<Answer(const ReportRequest &)>;
using ChoiceResponder = std::function<int(const ChoiceRequest &)>;
void SetMessageResponder(MessageResponder responder);
void SetFileResponder(FileResponder responder);
void SetPrintResponder(PrintResponder responder);
void SetPrinterPresence(PrinterPresence presence);
void SetReportResponder(ReportResponder responder);
void SetChoiceResponder(ChoiceResponder responder);
void ResetResponders();

} // namespace Dialogs
