#include "FrozenColumnView.h"

#include <QHeaderView>
#include <QScrollBar>

TFrozenColumnView::TFrozenColumnView(QWidget *parent) : QTableView(parent)
{
    frozen_ = new QTableView(this);
    frozen_->setObjectName(QStringLiteral("FrozenColumnView"));
    // The keyboard stays with the table; the frozen column only shows and
    // takes the mouse (selection, dragging, the context menu).
    frozen_->setFocusPolicy(Qt::NoFocus);
    frozen_->verticalHeader()->hide();
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setFrameShape(QFrame::NoFrame);
    frozen_->horizontalHeader()->setSectionsMovable(false);
    frozen_->horizontalHeader()->setHighlightSections(false);
    frozen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Scrolled by pixels, so that both views always show the same rows.
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollMode(ScrollPerPixel);
    frozen_->setVerticalScrollMode(ScrollPerPixel);
    viewport()->stackUnder(frozen_);

    connect(frozen_->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(), &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, frozen_->verticalScrollBar(), &QAbstractSlider::setValue);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int logical, int, int size) {
        if (logical == 0) {
            frozen_->setColumnWidth(0, size);
            PlaceFrozenView();
        }
    });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int logical, int, int size) { frozen_->setRowHeight(logical, size); });
    // The sort order shows in the frozen header too, and a click there
    // sorts by the first column as a click on the table's own header does.
    connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, frozen_->horizontalHeader(),
            &QHeaderView::setSortIndicator);
    connect(frozen_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int logical) {
        if (logical != 0 || !isSortingEnabled())
            return;
        QHeaderView *header = horizontalHeader();
        const bool ascending = header->sortIndicatorSection() != 0 || header->sortIndicatorOrder() == Qt::DescendingOrder;
        sortByColumn(0, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    });
}

void TFrozenColumnView::setModel(QAbstractItemModel *model)
{
    QTableView::setModel(model);
    frozen_->setModel(model);
    frozen_->setSelectionModel(selectionModel());
    FollowMainView();
}

// The frozen view shows the first column as the table does.
void TFrozenColumnView::FollowMainView()
{
    if (!model())
        return;
    for (int column = 1; column < model()->columnCount(); ++column)
        frozen_->setColumnHidden(column, true);
    frozen_->setColumnWidth(0, columnWidth(0));
    frozen_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frozen_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    frozen_->horizontalHeader()->setSortIndicatorShown(horizontalHeader()->isSortIndicatorShown());
    frozen_->horizontalHeader()->setSortIndicator(horizontalHeader()->sortIndicatorSection(),
                                                  horizontalHeader()->sortIndicatorOrder());
    frozen_->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    PlaceFrozenView();
}

void TFrozenColumnView::PlaceFrozenView()
{
    const int left = (verticalHeader()->isVisible() ? verticalHeader()->width() : 0) + frameWidth();
    frozen_->setGeometry(left, frameWidth(), columnWidth(0),
                         viewport()->height() + horizontalHeader()->height());
}

void TFrozenColumnView::updateGeometries()
{
    QTableView::updateGeometries();
    if (frozen_ && model()) {
        frozen_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
        frozen_->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
        frozen_->horizontalHeader()->setSortIndicatorShown(horizontalHeader()->isSortIndicatorShown());
        PlaceFrozenView();
    }
}

void TFrozenColumnView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    PlaceFrozenView();
}

QModelIndex TFrozenColumnView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    // Moving left onto a cell hidden under the frozen column scrolls it out.
    if (cursorAction == MoveLeft && current.column() > 0
        && visualRect(current).topLeft().x() < frozen_->columnWidth(0)) {
        const int newValue = horizontalScrollBar()->value() + visualRect(current).topLeft().x() - frozen_->columnWidth(0);
        horizontalScrollBar()->setValue(newValue);
    }
    return current;
}

void TFrozenColumnView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    // The first column is always in view; scrolling to it would only move
    // the other columns away.
    if (index.column() > 0)
        QTableView::scrollTo(index, hint);
    else if (index.isValid())
        QTableView::scrollTo(index.siblingAtColumn(horizontalHeader()->logicalIndexAt(frozen_->columnWidth(0))), hint);
}
