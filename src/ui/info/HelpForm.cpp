#include "HelpForm.h"

#include "ui/Artwork.h"
#include "ui/FitText.h"

#include <QAction>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTextCursor>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTreeWidget>
#include <QVBoxLayout>

// Resources of a static library must be registered by hand.
static void InitHelpResources() { Q_INIT_RESOURCE(vxl_r381); }

namespace {
const QString kManual = QStringLiteral(":/help/manual.html");
constexpr int kAnchorRole = Qt::UserRole + 1;
} // namespace

THelpForm::THelpForm(QWidget *parent) : QWidget(parent, Qt::Window)
{
    InitHelpResources();
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(tr("VXL-R381 Help"));
    setWindowIcon(ProgramIcon());
    resize(760, 560);

    auto *splitter = new QSplitter(this);
    TreeView1 = new QTreeWidget(splitter);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderLabel(tr("Contents"));
    // Entries are never cut short: the column is as wide as its longest
    // entry, and the list scrolls sideways when it is narrower than that.
    TreeView1->header()->setStretchLastSection(false);
    TreeView1->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    TreeView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    TreeView1->setTextElideMode(Qt::ElideNone);
    Browser1 = new QTextBrowser(splitter);
    Browser1->setObjectName(QStringLiteral("Browser1"));
    Browser1->setOpenExternalLinks(false);
    Browser1->setSource(QUrl(QStringLiteral("qrc") + kManual));
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 540});

    // The search field above the manual.
    auto *searchLabel = new QLabel(tr("&Search:"), this);
    SearchEdit = new QLineEdit(this);
    SearchEdit->setObjectName(QStringLiteral("SearchEdit"));
    SearchEdit->setClearButtonEnabled(true);
    SearchEdit->setPlaceholderText(tr("Find in the manual (Ctrl+F)"));
    searchLabel->setBuddy(SearchEdit);
    SearchStatus = new QLabel(this);
    SearchStatus->setObjectName(QStringLiteral("SearchStatus"));
    auto *searchRow = new QHBoxLayout;
    searchRow->setContentsMargins(6, 4, 6, 0);
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(SearchEdit, 1);
    searchRow->addWidget(SearchStatus);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(searchRow);
    layout->addWidget(splitter, 1);

    BuildContents();
    FitContents(splitter);
    // Never larger than the screen: the manual and the contents scroll.
    resize(FitText::BoundedToScreen(this, size()));

    // Escape and Ctrl+W close the window, as in other viewers.
    auto *close = new QAction(tr("Close"), this);
    close->setObjectName(QStringLiteral("CloseAction"));
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    close->setShortcutContext(Qt::WindowShortcut);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);

    // Ctrl+F goes to the search field; Enter and F3 find the next place,
    // Shift+F3 the one before, wherever the focus is in the window.
    auto *find = new QAction(tr("Find"), this);
    find->setObjectName(QStringLiteral("FindAction"));
    find->setShortcuts(QKeySequence::Find);
    find->setShortcutContext(Qt::WindowShortcut);
    connect(find, &QAction::triggered, this, &THelpForm::FocusSearch);
    addAction(find);
    auto *next = new QAction(tr("Find Next"), this);
    next->setObjectName(QStringLiteral("FindNextAction"));
    next->setShortcut(QKeySequence(Qt::Key_F3));
    next->setShortcutContext(Qt::WindowShortcut);
    connect(next, &QAction::triggered, this, [this] { FindNext(false); });
    addAction(next);
    auto *previous = new QAction(tr("Find Previous"), this);
    previous->setObjectName(QStringLiteral("FindPreviousAction"));
    previous->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    previous->setShortcutContext(Qt::WindowShortcut);
    connect(previous, &QAction::triggered, this, [this] { FindNext(true); });
    addAction(previous);
    connect(SearchEdit, &QLineEdit::returnPressed, this, [this] { FindNext(false); });
    // A changed text starts afresh and clears the notice of the last one.
    connect(SearchEdit, &QLineEdit::textEdited, this, [this] { SearchStatus->clear(); });
    TreeView1->setAccessibleName(tr("Contents"));
    TreeView1->setAccessibleDescription(tr("Topics of the manual; Enter shows the chosen topic."));
    Browser1->setAccessibleName(tr("Manual"));
    Browser1->setAccessibleDescription(tr("The text of the manual; Tab moves between its links."));
    SearchEdit->setAccessibleName(tr("Search the manual"));
    SearchEdit->setAccessibleDescription(tr("Words to find in the manual; Enter or F3 finds the next place, Shift+F3 the one before."));

    connect(TreeView1, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item, int) { ContentsClicked(item); });
    connect(TreeView1, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item, int) { ContentsClicked(item); });
}

QString THelpForm::ManualHtml()
{
    InitHelpResources();
    QFile file(kManual);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// The contents come from the manual's headings: <h2> topics and <h3>
// subtopics, each starting with a named anchor.
void THelpForm::BuildContents()
{
    static const QRegularExpression heading(
        QStringLiteral("<h([23])><a name=\"([^\"]+)\"></a>(.*?)</h\\1>"),
        QRegularExpression::DotMatchesEverythingOption);
    QTreeWidgetItem *topic = nullptr;
    auto it = heading.globalMatch(ManualHtml());
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString title = HeadingText(m.captured(3));
        QTreeWidgetItem *item;
        if (m.captured(1) == QLatin1String("2") || !topic) {
            item = new QTreeWidgetItem(TreeView1);
            topic = item;
        } else {
            item = new QTreeWidgetItem(topic);
        }
        item->setText(0, title);
        item->setData(0, kAnchorRole, m.captured(2));
    }
    TreeView1->expandAll();
}

QString THelpForm::HeadingText(const QString &html)
{
    // The text engine reads the heading as the browser shows it.
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

void THelpForm::FocusSearch()
{
    SearchEdit->setFocus(Qt::ShortcutFocusReason);
    SearchEdit->selectAll();
}

bool THelpForm::FindNext(bool backward)
{
    const QString text = SearchEdit->text();
    if (text.trimmed().isEmpty()) {
        FocusSearch();
        return false;
    }
    const QTextDocument::FindFlags flags = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = Browser1->find(text, flags);
    if (!found) {
        // Round the end (or the start) of the manual.
        const QTextCursor kept = Browser1->textCursor();
        QTextCursor cursor(Browser1->document());
        cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        Browser1->setTextCursor(cursor);
        found = Browser1->find(text, flags);
        if (!found)
            Browser1->setTextCursor(kept);
    }
    SearchStatus->setText(found ? QString() : tr("Not found: %1").arg(text));
    return found;
}

void THelpForm::FitContents(QSplitter *splitter)
{
    TreeView1->resizeColumnToContents(0);
    const int needed = TreeView1->header()->sectionSize(0) + 2 * TreeView1->frameWidth()
        + TreeView1->verticalScrollBar()->sizeHint().width() + 8;
    int contents = qMax(220, needed);
    if (width() < contents + 480)
        resize(contents + 480, height());
    resize(FitText::BoundedToScreen(this, size()));
    // Where the screen keeps the window narrower than that (a small screen
    // or a large scale factor), the manual keeps at least 300 px and the
    // contents scroll sideways.
    contents = qMax(120, qMin(contents, width() - 300));
    splitter->setSizes({contents, width() - contents});
}

QStringList THelpForm::TopicAnchors() const
{
    QStringList anchors;
    for (QTreeWidgetItemIterator it(TreeView1); *it; ++it)
        anchors << (*it)->data(0, kAnchorRole).toString();
    return anchors;
}

void THelpForm::ContentsClicked(QTreeWidgetItem *item)
{
    if (item)
        ShowTopic(item->data(0, kAnchorRole).toString());
}

bool THelpForm::ShowTopic(const QString &anchor)
{
    if (anchor.isEmpty() || !TopicAnchors().contains(anchor))
        return false;
    Browser1->scrollToAnchor(anchor);
    for (QTreeWidgetItemIterator it(TreeView1); *it; ++it) {
        if ((*it)->data(0, kAnchorRole).toString() == anchor) {
            TreeView1->setCurrentItem(*it);
            break;
        }
    }
    return true;
}

void THelpForm::ShowContents()
{
    show();
    raise();
    activateWindow();
    if (!TreeView1->currentItem() && TreeView1->topLevelItemCount() > 0)
        TreeView1->setCurrentItem(TreeView1->topLevelItem(0));
}
