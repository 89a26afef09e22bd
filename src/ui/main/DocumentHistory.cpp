#include "DocumentHistory.h"

#include <QUndoCommand>

bool SameDocumentState(const TDocumentState &a, const TDocumentState &b)
{
    if (a.comment != b.comment)
        return false;
    for (int kind = rkMemory; kind <= rkBandLimit; ++kind) {
        const int first = TChannelDocument::FirstIndex(kind);
        for (int i = first; i < first + TChannelDocument::SlotCount(kind); ++i) {
            if (a.document.Record(kind, i) != b.document.Record(kind, i))
                return false;
        }
    }
    return true;
}

// One step: the states before and after. The change itself has already
// been made when the step is pushed, so its first redo does nothing.
class TSnapshotStep : public QUndoCommand {
public:
    TSnapshotStep(TDocumentHistory &history, const QString &name, int mergeKey, TDocumentState before,
                  TDocumentState after)
        : QUndoCommand(name), history_(history), mergeKey_(mergeKey), before_(std::move(before)),
          after_(std::move(after))
    {
    }

    void undo() override { history_.Restore(before_); }
    void redo() override
    {
        if (done_)
            history_.Restore(after_);
        done_ = true;
    }
    int id() const override { return mergeKey_; }
    bool mergeWith(const QUndoCommand *other) override
    {
        // Only the step on top merges, and only with one of its own key.
        if (other->id() != mergeKey_)
            return false;
        after_ = static_cast<const TSnapshotStep *>(other)->after_;
        return true;
    }

private:
    TDocumentHistory &history_;
    int mergeKey_;
    TDocumentState before_;
    TDocumentState after_;
    bool done_ = false;
};

TDocumentHistory::TDocumentHistory(Capture capture, Apply apply, QObject *parent)
    : QObject(parent), capture_(std::move(capture)), apply_(std::move(apply))
{
    // The stack moves its index after the step has been undone or redone.
    connect(&stack_, &QUndoStack::indexChanged, this, [this](int) {
        if (!restored_)
            return;
        restored_ = false;
        emit StateRestored(stack_.isClean());
    });
}

void TDocumentHistory::Record(const QString &name, int mergeKey)
{
    if (applying_)
        return;
    TDocumentState now = capture_();
    if (SameDocumentState(now, last_))
        return;
    TDocumentState before = std::move(last_);
    last_ = now;
    stack_.push(new TSnapshotStep(*this, name, mergeKey, std::move(before), std::move(now)));
}

void TDocumentHistory::Reset()
{
    stack_.clear();
    last_ = capture_();
    stack_.setClean();
}

void TDocumentHistory::MarkSaved()
{
    // A change not yet recorded (none should be) joins the history first,
    // so the saved state is the one on top.
    Record(tr("Change"));
    stack_.setClean();
}

void TDocumentHistory::Restore(const TDocumentState &state)
{
    applying_ = true;
    apply_(state);
    last_ = capture_();
    applying_ = false;
    restored_ = true;
}
