#include "EditorDialog.h"

#include "data/ChannelDocument.h"
#include "data/DocumentHost.h"
#include "ui/FitText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

// ---------------------------------------------------------------------------
// Character filters

namespace EditorFilter {

namespace {
bool isAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool isAsciiUpper(QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); }
// Upper case of a-z only; every other character stays as it is.
QChar asciiUpper(QChar c)
{
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
        return QChar(c.unicode() - 'a' + 'A');
    return c;
}
} // namespace

QChar Frequency(QChar c)
{
    // A decimal comma, as typed on many keyboards, is the decimal point.
    if (c == QLatin1Char(','))
        return QLatin1Char('.');
    return (isAsciiDigit(c) || c == QLatin1Char('.')) ? c : QChar();
}

QChar MemoryName(QChar c)
{
    const QChar u = asciiUpper(c);
    if (isAsciiDigit(u) || isAsciiUpper(u) || u == QLatin1Char('.') || u == QLatin1Char(' '))
        return u;
    return QChar();
}

QChar ChannelNumber(QChar c)
{
    if (isAsciiDigit(c))
        return c;
    const QChar u = asciiUpper(c);
    if (u == QLatin1Char('L') || u == QLatin1Char('U') || u == QLatin1Char('P') || u == QLatin1Char('R'))
        return u;
    return QChar();
}

QChar DtmfCode(QChar c)
{
    const QChar u = asciiUpper(c);
    if (isAsciiDigit(u) || (u >= QLatin1Char('A') && u <= QLatin1Char('D')) || u == QLatin1Char('*')
        || u == QLatin1Char('#'))
        return u;
    return QChar();
}

} // namespace EditorFilter

TCharFilterValidator::TCharFilterValidator(CharFilter filter, QObject *parent)
    : QValidator(parent), filter_(std::move(filter))
{
}

QValidator::State TCharFilterValidator::validate(QString &input, int &) const
{
    for (QChar &c : input) {
        const QChar taken = filter_(c);
        if (taken.isNull())
            return Invalid;
        c = taken;
    }
    return Acceptable;
}

// ---------------------------------------------------------------------------
// TEditorDialog

TEditorDialog::TEditorDialog(TDocumentHost &host, QWidget *parent, const QString &caption, int clientWidth,
                             int clientHeight)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint),
      host_(&host)
{
    setWindowTitle(caption);
    setFixedSize(clientWidth, clientHeight);
}

void TEditorDialog::CreateButtons(int okX, int closeX, int y, int width, int height)
{
    Button2 = new QPushButton(tr("&OK"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(okX, y, width, height);
    Button1 = new QPushButton(tr("&Close"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(closeX, y, width, height);
    Button2->setAccessibleDescription(tr("Stores the changes in the document and closes the window."));
    Button1->setAccessibleDescription(tr("Closes the window; asks first whether to keep changes."));
    // Enter never presses OK, Escape never reaches Close by itself.
    for (QPushButton *button : {Button1, Button2}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TEditorDialog::WatchKeys(QWidget *control)
{
    control->installEventFilter(this);
}

void TEditorDialog::SetControlOrder(const QList<QWidget *> &order)
{
    for (int i = 0; i < order.size(); ++i) {
        WatchKeys(order[i]);
        if (i > 0)
            setTabOrder(order[i - 1], order[i]);
    }
}

void TEditorDialog::SetCharFilter(QLineEdit *edit, CharFilter filter, const char *invalidMessage)
{
    edit->setValidator(new TCharFilterValidator(filter, edit));
    filters_.append(FieldFilter{edit, std::move(filter), invalidMessage});
}

TChannelDocument &TEditorDialog::Doc() const
{
    return Main()->Document();
}

QString TEditorDialog::RadioTypeField(int field) const
{
    return Doc().GetRecordField(rkRadioType, 0, field);
}

void TEditorDialog::MarkDocumentModified() const
{
    Main()->SetModified(1);
}

void TEditorDialog::RefreshMainGrids(const QString &change) const
{
    Main()->RefreshGrids();
    Main()->RecordChange(change);
}

bool TEditorDialog::AskToChange()
{
    return Dialogs::Message(this, tr(EditorText::kAskChange), Dialogs::Icon::Question,
                            Dialogs::Buttons::YesNo)
        == Dialogs::Answer::Yes;
}

void TEditorDialog::Inform(const char *text)
{
    Inform(tr(text));
}

void TEditorDialog::Inform(const QString &text)
{
    Dialogs::Message(this, text, Dialogs::Icon::Information, Dialogs::Buttons::Ok);
}

void TEditorDialog::SetFieldColour(QWidget *field, bool window)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base,
                     QApplication::palette(field).color(window ? QPalette::Base : QPalette::Button));
    field->setPalette(palette);
}

void TEditorDialog::NavigateList(QComboBox *list, int key, const std::function<void()> &click,
                                 const std::function<void()> &change)
{
    const int count = list->count();
    if (count == 0)
        return;
    click();
    const int current = qMax(0, list->currentIndex());
    int next = current;
    switch (key) {
    case Qt::Key_PageUp: next = (current + 1) % count; break;
    case Qt::Key_PageDown: next = (current + count - 1) % count; break;
    case Qt::Key_Home: next = 0; break;
    case Qt::Key_End: next = count - 1; break;
    default: return;
    }
    list->setCurrentIndex(next);
    click();
    change();
}

void TEditorDialog::Button2Click()
{
    if (Commit())
        CloseDialog(QDialog::Accepted);
}

void TEditorDialog::Button1Click()
{
    if (contentsChanged_) {
        const Dialogs::Answer answer =
            Dialogs::Message(this, tr(EditorText::kAskChangeOnClose), Dialogs::Icon::Question,
                             Dialogs::Buttons::YesNo);
        if (answer == Dialogs::Answer::Yes && !Commit())
            return;
    }
    CloseDialog(QDialog::Rejected);
}

void TEditorDialog::CloseDialog(int result)
{
    contentsChanged_ = false;
    closing_ = true;
    QDialog::done(result);
    closing_ = false;
}

void TEditorDialog::reject()
{
    Button1Click();
}

bool TEditorDialog::HandleKeyDown(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        Button1Click();
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        NavigationKey(event->key());
        return true;
    default:
        return false;
    }
}

bool TEditorDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (HandleKeyDown(key))
        return true;

    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (auto *button = qobject_cast<QPushButton *>(watched)) {
        // Enter presses the button that has the focus.
        if (enter && button->isEnabled()) {
            button->click();
            return true;
        }
        return false;
    }

    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (!edit)
        return false;
    if (enter && EnterKey(edit))
        return true;

    const QString text = key->text();
    const bool typed = text.size() == 1 && text.at(0).isPrint()
        && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!typed)
        return false;
    for (const FieldFilter &field : std::as_const(filters_)) {
        if (field.edit != edit)
            continue;
        const QChar typedChar = text.at(0);
        const QChar taken = field.filter(typedChar);
        if (taken.isNull()) {
            if (field.invalidMessage)
                Inform(field.invalidMessage);
            return true;
        }
        if (taken != typedChar) {
            edit->insert(QString(taken));
            return true;
        }
        return false;
    }
    return false;
}

void TEditorDialog::keyPressEvent(QKeyEvent *event)
{
    if (HandleKeyDown(event))
        return;
    // No default button: Enter does nothing here.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TEditorDialog::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        FormShow();
        // Fitted after loading, which may have filled the lists.
        FitText::FitFormToText(this);
        if (QScreen *screen = this->screen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - rect().center());
        }
        // The field that gets the focus shows its text selected, so that
        // typing replaces it.
        if (auto *edit = qobject_cast<QLineEdit *>(focusWidget()))
            edit->selectAll();
    }
    QDialog::showEvent(event);
}

void TEditorDialog::closeEvent(QCloseEvent *event)
{
    if (closing_) {
        event->accept();
        return;
    }
    // A close request from outside runs the Close logic, which decides.
    event->ignore();
    Button1Click();
}
