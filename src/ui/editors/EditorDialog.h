// TEditorDialog: what the four record editors have in common: the
// contents-changed flag, the OK and Close buttons with the pending-changes
// question, the navigation keys served by every control, the per-character
// key filters of the text fields and the message boxes.
#pragma once

#include "ui/seam/Dialogs.h"

#include <QDialog>
#include <QString>
#include <QValidator>

#include <functional>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QWidget;
class TChannelDocument;
class TDocumentHost;

// Message texts of the editors, translated where they are shown
// (TEditorDialog::tr).
namespace EditorText {
// Asked by the Close button and Escape (note the trailing space).
inline const char *const kAskChangeOnClose = QT_TRANSLATE_NOOP("TEditorDialog", "The contents has been changed.\nDo you want to change? ");
// Asked before moving to another record.
inline const char *const kAskChange = QT_TRANSLATE_NOOP("TEditorDialog", "The contents has been changed.\nDo you want to change?");
inline const char *const kInvalidFrequency = QT_TRANSLATE_NOOP("TEditorDialog", "Invalid Frequency.\nPlease check and try again.");
inline const char *const kInvalidOffset = QT_TRANSLATE_NOOP("TEditorDialog", "Invalid Offset.\nPlease check and try again.");
inline const char *const kInvalidName = QT_TRANSLATE_NOOP("TEditorDialog", "Invalid Memory name.\nPlease check and try again.");
inline const char *const kRounded = QT_TRANSLATE_NOOP("TEditorDialog", "Frequency is rounded.");
inline const char *const kInvalidChannel = QT_TRANSLATE_NOOP("TEditorDialog", "Invalid channel Number.\nPlease check and try again.");
inline const char *const kInvalidCharacter = QT_TRANSLATE_NOOP("TEditorDialog", "Invalid character.\nPlease check and try again.");
} // namespace EditorText

// Maps one typed character to the character a field takes (possibly
// converted, e.g. to upper case), or to a null QChar when it is dropped.
using CharFilter = std::function<QChar(QChar)>;

// Applies a field's character filter to text that arrives other than by
// typing (pasting, dropping): converted characters are taken over, a text
// holding a dropped character is refused as a whole.
class TCharFilterValidator : public QValidator {
public:
    TCharFilterValidator(CharFilter filter, QObject *parent);
    State validate(QString &input, int &pos) const override;

private:
    CharFilter filter_;
};

class TEditorDialog : public QDialog {
    Q_OBJECT
public:
    bool ContentsChanged() const { return contentsChanged_; }

    QPushButton *Button1 = nullptr; // "&Close"
    QPushButton *Button2 = nullptr; // "&OK"

    // OK: commit, close on success.
    void Button2Click();
    // Close: with pending changes ask (Yes commits; a failed commit keeps
    // the dialog open), then close.
    void Button1Click();

protected:
    TEditorDialog(TDocumentHost &host, QWidget *parent, const QString &caption, int clientWidth,
                  int clientHeight);

    // Stores the controls into the document; false keeps the dialog open.
    virtual bool Commit() = 0;
    // Loads the record to edit at every showing (and sets the focus).
    virtual void FormShow() = 0;
    // Page Up, Page Down, Home and End.
    virtual void NavigationKey(int key) = 0;
    // Page Up/Down, Home and End on a record list: the pending-changes
    // check (click), the move with wrap-around, the check again, then the
    // change of record (change).
    void NavigateList(QComboBox *list, int key, const std::function<void()> &click,
                      const std::function<void()> &change);
    // Enter in a field that acts on it (the frequency fields); false lets
    // the key go on to the control.
    virtual bool EnterKey(QLineEdit *) { return false; }

    // Creates OK and Close at the given places (neither is a default button).
    void CreateButtons(int okX, int closeX, int y, int width = 75, int height = 25);
    // Serves the navigation keys on the control and lets the filter of the
    // field (if any) check every typed character. A filter that reports an
    // invalid character shows invalidMessage when one is given.
    void WatchKeys(QWidget *control);
    // Watches the keys of each control and gives them this tab order.
    void SetControlOrder(const QList<QWidget *> &order);
    void SetCharFilter(QLineEdit *edit, CharFilter filter, const char *invalidMessage = nullptr);

    // The main window (the host of the document) and its document.
    TDocumentHost *Main() const { return host_; }
    TChannelDocument &Doc() const;
    QString RadioTypeField(int field) const;
    // Sets the main window's Modified flag.
    void MarkDocumentModified() const;
    // Redraws the main window's lists and records the change as one
    // undoable step of that name.
    void RefreshMainGrids(const QString &change) const;

    bool AskToChange(); // the question before a move; true on Yes
    void Inform(const char *text);
    void Inform(const QString &text);

    void SetChanged() { contentsChanged_ = true; }
    void ClearChanged() { contentsChanged_ = false; }

    // Gives an edit the window colour (enabled) or the button-face colour.
    static void SetFieldColour(QWidget *field, bool window);

    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

public:
    // Escape and any other request to dismiss run the Close logic.
    void reject() override;

private:
    bool HandleKeyDown(QKeyEvent *event);
    void CloseDialog(int result);

    TDocumentHost *host_;
    bool contentsChanged_ = false;
    bool closing_ = false;
    struct FieldFilter {
        QLineEdit *edit;
        CharFilter filter;
        const char *invalidMessage;
    };
    QList<FieldFilter> filters_;
};

// Character filters of the fields.
namespace EditorFilter {
// Frequency and offset fields: digits and '.'.
QChar Frequency(QChar c);
// Memory name: digits, letters (made upper case), '.' and space.
QChar MemoryName(QChar c);
// Channel number: digits and the letters of the special labels L, U, P, R.
QChar ChannelNumber(QChar c);
// DTMF code: digits, A-D (made upper case), '*' and '#'.
QChar DtmfCode(QChar c);
} // namespace EditorFilter
