// THelpForm: the help window, a table of contents beside the manual that is
// bundled with the program, and a search field over the manual (Ctrl+F;
// Enter and F3 find the next place, Shift+F3 the one before).
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
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
    // The text of a contents entry from a heading's HTML: tags dropped,
    // character references ("&gt;", "&amp;", "&#233;") decoded.
    static QString HeadingText(const QString &html);

    // Finds the search field's text after (or, backward, before) the
    // current place, going round the end of the manual; false and a
    // notice beside the field when the manual does not hold it.
    bool FindNext(bool backward = false);
    // Puts the keyboard focus into the search field, its text selected.
    void FocusSearch();

    QTreeWidget *TreeView1 = nullptr;  // table of contents
    QTextBrowser *Browser1 = nullptr;  // the manual
    QLineEdit *SearchEdit = nullptr;   // text to find
    QLabel *SearchStatus = nullptr;    // "Not found: ..." after a failed search

private:
    void BuildContents();
    // Widens the table of contents to its longest entry.
    void FitContents(QSplitter *splitter);
    void ContentsClicked(QTreeWidgetItem *item);
};
