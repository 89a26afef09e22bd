// The comment box takes only what a data file holds: printable Latin-1
// characters (and the tab a file's comment line may carry). Anything else,
// typed or pasted, is refused with a beep instead of turning into "?" when
// the file is written.
#pragma once

#include <QValidator>

class QLineEdit;

// Whether the comment line of a data file holds the character as it is.
bool CommentCanHold(QChar c);

class TCommentValidator : public QValidator {
    Q_OBJECT
public:
    // edit: the line edit the validator serves. Its last text is the
    // reference: only characters that an edit adds are judged, so a comment
    // loaded from a file never blocks editing.
    explicit TCommentValidator(QLineEdit *edit);

    State validate(QString &input, int &pos) const override;

signals:
    // An edit was refused (the box beeps).
    void Refused() const;

private:
    QString shown_; // the line edit's text before the edit under judgement
};
