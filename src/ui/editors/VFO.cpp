#include "VFO.h"

#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/DocumentHost.h"
#include "data/FrequencyRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr int kBandCount = 5;
// Bands whose VFO record carries an output power.
bool hasPower(int band) { return band == 1 || band == 3; }
} // namespace

TVFO::TVFO(TDocumentHost &host, QWidget *parent)
    : TFrequencyEditor(host, parent, tr("VFO"), 410, 259)
{
    setObjectName(QStringLiteral("VFO"));

    CreateBandList(Label11, ComboBox5);
    PlaceFrequencyGroup(32, 112);
    Edit1->setMaxLength(9);
    Label7 = new QLabel(tr("Offset"), GroupBox1);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setGeometry(10, 78, 84, 16);
    Edit2 = new QLineEdit(GroupBox1);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(96, 75, 80, 21);
    Edit2->setMaxLength(5);
    Label7->setBuddy(Edit2);
    Label8 = new QLabel(tr("MHz"), GroupBox1);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setGeometry(180, 78, 30, 16);
    StackShiftColumn({CheckBox4, RadioButton1, RadioButton2, RadioButton3, RadioButton5}, 230);

    PlaceToneGroup(4, 150);

    Label6 = new QLabel(tr("Output Power"), this);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setGeometry(236, 160, 100, 16);
    ComboBox4 = new QComboBox(this);
    ComboBox4->setObjectName(QStringLiteral("ComboBox4"));
    ComboBox4->setGeometry(236, 178, 90, 22);
    ComboBox4->addItems({tr("High"), tr("Mid"), tr("Low")});
    Label6->setBuddy(ComboBox4);

    CreateButtons(252, 331, 229);

    Edit2->setAccessibleName(tr("Offset"));
    Edit2->setAccessibleDescription(tr("Distance in MHz between the receive and the transmit frequency of a shift."));
    ComboBox4->setAccessibleName(tr("Output Power"));
    ComboBox4->setAccessibleDescription(tr("Transmit power of the band."));

    SetCharFilter(Edit2, EditorFilter::Frequency);
    connect(Edit2, &QLineEdit::textChanged, this, [this] { SetChanged(); });
    connect(ComboBox4, &QComboBox::activated, this, [this] { SetChanged(); });
    // A pick runs the pending-changes check first, then the band change.
    connect(ComboBox5, &QComboBox::activated, this, [this] {
        ComboBox5Click();
        ComboBox5Change();
    });

    SetControlOrder({ComboBox5, Edit1, ComboBox3, Edit2, CheckBox4, RadioButton1, RadioButton2, RadioButton3,
                     RadioButton5, CheckBox1, CheckBox2, ComboBox1, ComboBox2, ComboBox4, Button2, Button1});
    Edit1->setFocus();
}

void TVFO::BuildBandList()
{
    const TChannelDocument &doc = Doc();
    ComboBox5->clear();
    for (int band = 0; band < kBandCount; ++band)
        if (BandPresent(doc, band))
            ComboBox5->addItem(BandLabel(doc, band));
}

int TVFO::ListPositionOfBand(int band) const
{
    for (int i = 0; i < ComboBox5->count(); ++i)
        if (BandOfFrequency(Doc(), ComboBox5->itemText(i)) == band)
            return i;
    return -1;
}

void TVFO::FormShow()
{
    BuildBandList();
    bandChangePermitted_ = true;
    const int row = Main()->SelectedRow(rkVfo);
    int position = qBound(0, row - 1, ComboBox5->count() - 1);
    int band = Main()->VfoBandOfRow(row);
    if (band < 0 || ListPositionOfBand(band) < 0)
        band = BandOfFrequency(Doc(), ComboBox5->itemText(position));
    else
        position = ListPositionOfBand(band);
    band_ = band;
    ComboBox5->setCurrentIndex(position);
    Edit1->setFocus();
    LoadVfo(band_);
}

void TVFO::LoadVfo(int band)
{
    band = qBound(0, band, kBandCount - 1);
    band_ = band;
    const TChannelDocument &doc = Doc();
    const QString frequency = doc.GetRecordField(rkVfo, band, cfReceiveFrequency);
    Edit1->setText(frequency.isEmpty() ? BandDefaultFrequency(doc, band) : FormatFrequency(frequency));
    LoadStep(doc.GetRecordField(rkVfo, band, cfStep), BandDefaultStep(doc, band));
    if (!SelectShift(doc.GetRecordField(rkVfo, band, cfShift)))
        RadioButton1->setChecked(true);
    ShowMinus76(band >= 2);
    CheckBox4->setChecked(doc.GetRecordField(rkVfo, band, cfReverse) == QLatin1String("1"));
    LoadTones(rkVfo, band);

    const QString offset = doc.GetRecordField(rkVfo, band, cfOffset);
    Edit2->setText(offset.isEmpty() ? BandDefaultOffset(band) : FormatOffset(offset));

    const bool power = hasPower(band);
    Label6->setEnabled(power);
    ComboBox4->setEnabled(power);
    SetFieldColour(ComboBox4, power);
    int level = 0;
    if (power) {
        bool ok = false;
        level = doc.GetRecordField(rkVfo, band, cfPower).toInt(&ok);
        if (!ok || level < 0 || level > 2)
            level = 0;
    }
    ComboBox4->setCurrentIndex(level);

    ClearChanged();
}

bool TVFO::CommitVfo()
{
    // Intended order, not an oversight: the main window's Modified flag
    // goes up as soon as a store is attempted (OK, or Yes to a question),
    // before any check, so an attempt the checks refuse still leaves the
    // document marked as changed. Do not move it below the checks.
    MarkDocumentModified();
    QString frequency = Edit1->text();
    if (!NormalizeFrequencyText(frequency)) {
        Inform(EditorText::kInvalidFrequency);
        return false;
    }
    QString offset = Edit2->text();
    if (!NormalizeOffsetText(offset)) {
        Inform(EditorText::kInvalidOffset);
        return false;
    }
    const int band = band_;
    int step = StepPositionFor(frequency, QString());
    bool adjusted = false;
    // The VFO of a band always stays inside that band.
    const QString record11 = ClampToRecord(frequency, band, step, adjusted);
    ShowStep(step);

    const QString power = hasPower(band) ? QString::number(qMax(0, ComboBox4->currentIndex())) : QString();
    TRecordBuilder record;
    record.Set(cfBandCode, BandCode(band));
    SetRecordMiddle(record, record11, step);
    record.Set(cfOffset, QLatin1Char('0') + offset).Set(cfPower, power);
    Doc().SetVfoRecord(band, record.Text());
    RefreshMainGrids(tr("Edit VFO %1").arg(BandLabel(Doc(), band)));
    LoadVfo(band);
    if (adjusted)
        Inform(RoundedMessage());
    return true;
}

bool TVFO::EnterKey(QLineEdit *edit)
{
    if (edit != Edit1 && edit != Edit2)
        return false;
    QString frequency = Edit1->text();
    if (!NormalizeFrequencyText(frequency)) {
        Inform(EditorText::kInvalidFrequency);
        return true;
    }
    QString offset = Edit2->text();
    if (!NormalizeOffsetText(offset)) {
        Inform(EditorText::kInvalidOffset);
        return true;
    }
    int step = StepPositionFor(frequency, QString());
    bool adjusted = false;
    Edit1->setText(FormatFrequency(ClampToRecord(frequency, band_, step, adjusted)));
    ShowStep(step);
    // Both fields count as rewritten.
    SetChanged();
    if (adjusted)
        Inform(RoundedMessage());
    Edit2->setText(FormatOffset(QLatin1Char('0') + offset));
    return true;
}

void TVFO::ComboBox5Click()
{
    if (!ContentsChanged())
        return;
    if (!AskToChange()) {
        bandChangePermitted_ = true;
        return;
    }
    if (CommitVfo()) {
        bandChangePermitted_ = true;
        return;
    }
    const int position = ListPositionOfBand(band_);
    if (position >= 0)
        ComboBox5->setCurrentIndex(position);
    bandChangePermitted_ = false;
}

void TVFO::ComboBox5Change()
{
    if (!bandChangePermitted_ || ComboBox5->currentIndex() < 0)
        return;
    LoadVfo(BandOfFrequency(Doc(), ComboBox5->currentText()));
}

void TVFO::NavigationKey(int key)
{
    NavigateList(ComboBox5, key, [this] { ComboBox5Click(); }, [this] { ComboBox5Change(); });
}
