// TFrozenColumnView: a table view whose first column stays in view while
// the others scroll sideways. A second view showing only that column lies
// over the table's left edge; both share the model and the selection, and
// scroll up and down together.
#pragma once

#include <QTableView>

class TFrozenColumnView : public QTableView {
    Q_OBJECT
public:
    explicit TFrozenColumnView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

    // The view over the first column.
    QTableView *FrozenView() const { return frozen_; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void updateGeometries() override;

private:
    void FollowMainView();
    void PlaceFrozenView();

    QTableView *frozen_ = nullptr;
};
