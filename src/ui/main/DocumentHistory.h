// Undo and redo of document changes. Each step keeps the document and the
// comment as they were before and after it, so every kind of change (an
// editor's OK, a paste, a read, an import) is undone the same way and
// nothing of the step can be left behind.
#pragma once

#include "data/ChannelDocument.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>

// What one step changes: every slot of the document (the clipboard staging
// buffer aside) and the comment.
struct TDocumentState {
    TChannelDocument document;
    QString comment;
};

bool SameDocumentState(const TDocumentState &a, const TDocumentState &b);

class TDocumentHistory : public QObject {
    Q_OBJECT
public:
    using Capture = std::function<TDocumentState()>;
    using Apply = std::function<void(const TDocumentState &)>;

    // capture reads the current state; apply puts a state back (and
    // redraws whatever shows it).
    TDocumentHistory(Capture capture, Apply apply, QObject *parent = nullptr);

    QUndoStack &Stack() { return stack_; }

    // Records the change since the last recorded state as one step named
    // name; nothing when nothing changed. Steps with the same mergeKey
    // (not -1) that follow each other become one (typing in the comment).
    void Record(const QString &name, int mergeKey = -1);
    // A new or opened document: no history, and it is the saved state.
    void Reset();
    // The document was saved: this is the state without unsaved changes.
    void MarkSaved();
    // True while a step is being undone or redone.
    bool Applying() const { return applying_; }

signals:
    // After an undo or redo: whether the state is the saved one.
    void StateRestored(bool clean);

private:
    friend class TSnapshotStep;
    void Restore(const TDocumentState &state);

    Capture capture_;
    Apply apply_;
    QUndoStack stack_;
    TDocumentState last_;
    bool applying_ = false;
    bool restored_ = false;
};
