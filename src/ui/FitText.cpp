#include "FitText.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>

#include <cmath>

namespace FitText {

namespace {

// Dynamic properties that keep a control's design (its geometry before the
// first fit) and its sample texts.
const char *const kDesignRect = "vxlFitDesignRect";
const char *const kDesignFixedWidth = "vxlFitDesignFixedWidth";
const char *const kDesignSections = "vxlFitDesignSections";
const char *const kSamples = "vxlFitSamples";

QStringList Samples(const QWidget *widget) { return widget->property(kSamples).toStringList(); }

// A caption's text as drawn: the mnemonic marker '&' is not shown.
QString Shown(QString text)
{
    text.replace(QLatin1String("&&"), QString(QChar(0x1)));
    text.remove(QLatin1Char('&'));
    text.replace(QChar(0x1), QLatin1Char('&'));
    return text;
}

// Controls that hold other controls placed by position.
bool IsContainer(const QWidget *widget)
{
    if (qobject_cast<const QGroupBox *>(widget) || qobject_cast<const QStatusBar *>(widget))
        return true;
    const QMetaObject *type = widget->metaObject();
    return type == &QWidget::staticMetaObject || type == &QFrame::staticMetaObject;
}

// Controls whose width is their picture's (tool buttons, the up-down
// arrows): they move with the form but keep their width.
bool KeepsWidth(const QWidget *widget)
{
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text().isEmpty();
    return !(qobject_cast<const QLabel *>(widget) || IsContainer(widget) || qobject_cast<const QLineEdit *>(widget)
             || qobject_cast<const QComboBox *>(widget) || qobject_cast<const QAbstractScrollArea *>(widget)
             || qobject_cast<const QProgressBar *>(widget));
}

void Collect(QWidget *parent, QList<QWidget *> &controls)
{
    const QList<QWidget *> children = parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        if (child->isWindow())
            continue;
        controls.append(child);
        if (IsContainer(child))
            Collect(child, controls);
    }
}

// Width a label needs for a text, with the label's frame, margin and indent.
int LabelWidthFor(const QLabel *label, const QString &text)
{
    QLabel probe;
    probe.setFont(label->font());
    probe.setFrameStyle(label->frameStyle());
    probe.setLineWidth(label->lineWidth());
    probe.setMargin(label->margin());
    probe.setIndent(label->indent());
    probe.setContentsMargins(label->contentsMargins());
    probe.setTextFormat(Qt::PlainText);
    probe.setText(text);
    return probe.sizeHint().width();
}

// Width a list column needs: its header and its widest cell or sample.
int ColumnNeed(const QTableWidget *table, int column)
{
    const QFontMetrics metrics(table->font());
    // The item delegate leaves this margin on either side of a cell's text.
    const int margin = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
    int need = 0;
    if (!table->horizontalHeader()->isHidden())
        need = table->horizontalHeader()->sectionSizeHint(column);
    for (int row = 0; row < table->rowCount(); ++row) {
        if (const QTableWidgetItem *cell = table->item(row, column); cell && !cell->text().isEmpty())
            need = qMax(need, metrics.horizontalAdvance(cell->text()) + margin);
    }
    const QStringList samples = Samples(table);
    if (column < samples.size() && !samples.at(column).isEmpty())
        need = qMax(need, metrics.horizontalAdvance(samples.at(column)) + margin);
    return need;
}

QList<int> DesignSections(const QTableWidget *table)
{
    QList<int> sections;
    for (const QVariant &value : table->property(kDesignSections).toList())
        sections.append(value.toInt());
    return sections;
}

// Width a list needs so that every fixed column shows its widest text and
// the last column (which takes the rest) does too.
int TableNeed(const QTableWidget *table)
{
    const int columns = table->columnCount();
    if (columns == 0)
        return 0;
    const QList<int> design = DesignSections(table);
    int need = 2 * table->frameWidth();
    for (int c = 0; c < columns; ++c) {
        const int fixed = c + 1 < columns && c < design.size() ? design.at(c) : 0;
        need += qMax(fixed, ColumnNeed(table, c));
    }
    if (table->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        need += table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table);
    return need;
}

void FitColumns(QTableWidget *table)
{
    const QList<int> design = DesignSections(table);
    QHeaderView *header = table->horizontalHeader();
    for (int c = 0; c + 1 < table->columnCount() && c < design.size(); ++c)
        header->resizeSection(c, qMax(design.at(c), ColumnNeed(table, c)));
}

void RememberDesign(QWidget *widget)
{
    if (widget->property(kDesignRect).isValid())
        return;
    widget->setProperty(kDesignRect, widget->geometry());
    widget->setProperty(kDesignFixedWidth,
                        widget->minimumWidth() == widget->maximumWidth() ? widget->minimumWidth() : -1);
    if (auto *table = qobject_cast<QTableWidget *>(widget)) {
        QVariantList sections;
        for (int c = 0; c < table->columnCount(); ++c)
            sections.append(table->horizontalHeader()->sectionSize(c));
        table->setProperty(kDesignSections, sections);
    }
}

// Placed by position (not by a layout).
bool Placed(const QWidget *widget)
{
    return widget->parentWidget() && !widget->parentWidget()->layout();
}

int Scaled(int value, double factor) { return int(std::lround(value * factor)); }

} // namespace

void SetSamples(QWidget *widget, const QStringList &samples) { widget->setProperty(kSamples, samples); }

int NeededWidth(const QWidget *widget)
{
    int need = 0;
    if (auto *label = qobject_cast<const QLabel *>(widget)) {
        if (!label->text().isEmpty() && !label->wordWrap())
            need = label->sizeHint().width();
        for (const QString &sample : Samples(label))
            need = qMax(need, LabelWidthFor(label, sample));
    } else if (qobject_cast<const QCheckBox *>(widget) || qobject_cast<const QRadioButton *>(widget)) {
        need = static_cast<const QAbstractButton *>(widget)->text().isEmpty() ? 0 : widget->sizeHint().width();
    } else if (auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        // A push button's text and its frame; the style's preferred
        // minimum width for buttons is no need of the text.
        if (!button->text().isEmpty() && !qobject_cast<const QToolButton *>(widget)) {
            const QStyle *style = button->style();
            need = QFontMetrics(button->font()).horizontalAdvance(Shown(button->text()))
                + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
                + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
            if (!button->icon().isNull())
                need += button->iconSize().width() + 4;
        }
    } else if (auto *group = qobject_cast<const QGroupBox *>(widget)) {
        if (!group->title().isEmpty())
            need = group->minimumSizeHint().width();
    } else if (auto *combo = qobject_cast<const QComboBox *>(widget)) {
        if (combo->count() > 0)
            need = combo->sizeHint().width();
    } else if (auto *table = qobject_cast<const QTableWidget *>(widget)) {
        need = TableNeed(table);
    }
    return need;
}

double FitFormToText(QWidget *form)
{
    QList<QWidget *> controls;
    Collect(form, controls);
    RememberDesign(form);
    for (QWidget *control : std::as_const(controls))
        RememberDesign(control);

    // The factor the tightest control needs, measured against its design.
    double factor = 1.0;
    for (QWidget *control : std::as_const(controls)) {
        const int need = NeededWidth(control);
        if (need <= 0)
            continue;
        int room = -1;
        if (Placed(control))
            room = control->property(kDesignRect).toRect().width();
        else
            room = control->property(kDesignFixedWidth).toInt();
        if (room > 0 && need > room)
            factor = qMax(factor, double(need) / room);
    }

    for (QWidget *control : std::as_const(controls)) {
        const QRect design = control->property(kDesignRect).toRect();
        const int fixedWidth = control->property(kDesignFixedWidth).toInt();
        if (Placed(control)) {
            const int left = Scaled(design.left(), factor);
            const int width =
                KeepsWidth(control) ? design.width() : Scaled(design.left() + design.width(), factor) - left;
            control->setGeometry(left, design.top(), width, design.height());
        } else if (fixedWidth > 0) {
            control->setFixedWidth(Scaled(fixedWidth, factor));
        }
    }
    if (!form->layout()) {
        const int fixedWidth = form->property(kDesignFixedWidth).toInt();
        if (fixedWidth > 0)
            form->setFixedWidth(Scaled(fixedWidth, factor));
    }
    for (QWidget *control : std::as_const(controls)) {
        if (auto *table = qobject_cast<QTableWidget *>(control))
            FitColumns(table);
    }
    return factor;
}

QSize BoundedToScreen(const QWidget *window, const QSize &wanted)
{
    const QScreen *screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return wanted;
    // Room for the title bar and the frame the window manager adds.
    const QSize room = screen->availableGeometry().size() * 9 / 10;
    return wanted.boundedTo(room).expandedTo(window->minimumSize());
}

} // namespace FitText
