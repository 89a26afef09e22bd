#include "CommentValidator.h"

#include <QLineEdit>

namespace {

int RefusedCount(const QString &text)
{
    int count = 0;
    for (QChar c : text)
        if (!CommentCanHold(c))
            ++count;
    return count;
}

} // namespace

bool CommentCanHold(QChar c)
{
    const char16_t code = c.unicode();
    return code == u'\t' || (code >= 0x20 && code <= 0x7e) || (code >= 0xa0 && code <= 0xff);
}

TCommentValidator::TCommentValidator(QLineEdit *edit) : QValidator(edit), shown_(edit->text())
{
    // The line edit holds the new text already while it is judged; the
    // text before it is the one of its last change.
    connect(edit, &QLineEdit::textChanged, this, [this](const QString &text) { shown_ = text; });
}

QValidator::State TCommentValidator::validate(QString &input, int &) const
{
    // Only what an edit adds is judged: a comment loaded from a file keeps
    // what it holds and stays editable. (The program sets its own texts
    // with the signals of this validator blocked: no beep for those.)
    if (RefusedCount(input) <= RefusedCount(shown_))
        return Acceptable;
    emit Refused();
    return Invalid;
}
