// THelpForm: the help window, a table of contents beside the manual that is
// bundled with the program.
#pragma once

#include <QWidget>

class QSplitter;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

class THelpForm : public QWidget {
    Q_OBJECT
public:
    explicit THelpForm(QWidget *parent = nullptr);

    // Shows the window with the table of contents at the first topic.
    void ShowContents();
    // Shows one topic by its anchor name; false when there is no such topic.
    bool ShowTopic(const QString &anchor);

    // Anchor names of the topics, in the order of the table of contents.
    QStringList TopicAnchors() const;
    // Source text of the manual.
    static QString ManualHtml();

    QTreeWidget *TreeView1 = nullptr;  // table of contents
    QTextBrowser *Browser1 = nullptr;  // the manual

private:
    void BuildContents();
    // Widens the table of contents to its longest entry.
    void FitContents(QSplitter *splitter);
    void ContentsClicked(QTreeWidgetItem *item);
};
