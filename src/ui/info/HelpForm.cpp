#include "HelpForm.h"

#include "ui/Artwork.h"

#include <QAction>
#include <QFile>
#include <QScrollBar>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeWidget>

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

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    BuildContents();
    FitContents(splitter);

    // Escape and Ctrl+W close the window, as in other viewers.
    auto *close = new QAction(tr("Close"), this);
    close->setObjectName(QStringLiteral("CloseAction"));
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    close->setShortcutContext(Qt::WindowShortcut);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);

    TreeView1->setAccessibleName(tr("Contents"));
    TreeView1->setAccessibleDescription(tr("Topics of the manual; Enter shows the chosen topic."));
    Browser1->setAccessibleName(tr("Manual"));
    Browser1->setAccessibleDescription(tr("The text of the manual; Tab moves between its links."));

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
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    QTreeWidgetItem *topic = nullptr;
    auto it = heading.globalMatch(ManualHtml());
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        QString title = m.captured(3);
        title.remove(tags);
        title.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        QTreeWidgetItem *item;
        if (m.captured(1) == QLatin1String("2") || !topic) {
            item = new QTreeWidgetItem(TreeView1);
            topic = item;
        } else {
            item = new QTreeWidgetItem(topic);
        }
        item->setText(0, title.simplified());
        item->setData(0, kAnchorRole, m.captured(2));
    }
    TreeView1->expandAll();
}

void THelpForm::FitContents(QSplitter *splitter)
{
    TreeView1->resizeColumnToContents(0);
    const int needed = TreeView1->header()->sectionSize(0) + 2 * TreeView1->frameWidth()
        + TreeView1->verticalScrollBar()->sizeHint().width() + 8;
    const int contents = qMax(220, needed);
    if (width() < contents + 480)
        resize(contents + 480, height());
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
