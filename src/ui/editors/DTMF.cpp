#include "DTMF.h"

#include "data/ChannelDocument.h"
#include "data/DocumentHost.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kMemories = 10;
constexpr int kCodeLength = 16;
} // namespace

TDTMF::TDTMF(TDocumentHost &host, QWidget *parent)
    : TEditorDialog(host, parent, tr("DTMF Memory"), 185, 115)
{
    setObjectName(QStringLiteral("DTMF"));
    QFont dialogFont(QStringLiteral("Times New Roman"));
    dialogFont.setPixelSize(12);
    setFont(dialogFont);

    Label2 = new QLabel(tr("Channel Number"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(8, 8, 94, 16);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(104, 5, 49, 22);
    for (int i = 0; i < kMemories; ++i)
        ComboBox1->addItem(QString::number(i));
    Label2->setBuddy(ComboBox1);

    GroupBox1 = new QGroupBox(tr("DTMF Code"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(0, 32, 185, 49);
    Edit1 = new QLineEdit(GroupBox1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(16, 16, 161, 21);
    Edit1->setMaxLength(kCodeLength);

    CreateButtons(32, 112, 88, 73, 25);

    ComboBox1->setAccessibleName(tr("Channel Number"));
    ComboBox1->setAccessibleDescription(tr("The DTMF memory edited, 0 to 9; Page Up and Page Down move between them."));
    Edit1->setAccessibleName(tr("DTMF Code"));
    Edit1->setAccessibleDescription(tr("Up to %1 characters: digits, A to D, * and #.").arg(kCodeLength));

    SetCharFilter(Edit1, EditorFilter::DtmfCode, EditorText::kInvalidCharacter);
    connect(Edit1, &QLineEdit::textChanged, this, [this] { SetChanged(); });
    connect(ComboBox1, &QComboBox::activated, this, [this] {
        ComboBox1Click();
        ComboBox1Change();
    });

    SetControlOrder({Edit1, Button2, Button1, ComboBox1});
    Edit1->setFocus();
}

void TDTMF::FormShow()
{
    memory_ = qBound(0, Main()->SelectedRow(rkDtmf) - 1, kMemories - 1);
    ComboBox1->setCurrentIndex(memory_);
    Edit1->setFocus();
    LoadDtmf();
}

void TDTMF::LoadDtmf()
{
    Edit1->setText(Doc().GetRecordField(rkDtmf, memory_, dfCode));
    ClearChanged();
}

bool TDTMF::StoreDtmf()
{
    MarkDocumentModified();
    Doc().SetDtmfRecord(memory_, TRecordBuilder()
                                     .Set(dfNumber, QLatin1Char('0') + QString::number(memory_))
                                     .Set(dfCode, Edit1->text())
                                     .Text(dfCode));
    RefreshMainGrids(tr("Edit DTMF %1").arg(memory_, 2, 10, QLatin1Char('0')));
    ClearChanged();
    return true;
}

void TDTMF::ComboBox1Click()
{
    // The memory is still the one shown before the pick.
    if (ContentsChanged() && AskToChange())
        StoreDtmf();
}

void TDTMF::ComboBox1Change()
{
    if (ComboBox1->currentIndex() < 0)
        return;
    memory_ = ComboBox1->currentIndex();
    LoadDtmf();
}

void TDTMF::NavigationKey(int key)
{
    NavigateList(ComboBox1, key, [this] { ComboBox1Click(); }, [this] { ComboBox1Change(); });
}
