#include "CALL.h"

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

TCALL::TCALL(TDocumentHost &host, QWidget *parent)
    : TSplitChannelEditor(host, parent, tr("CALL Channel"), 410, 259)
{
    setObjectName(QStringLiteral("CALL"));

    CreateBandList(Label11, ComboBox5);
    PlaceFrequencyGroup(32, 118);
    PlaceSplitControls();

    PlaceToneGroup(4, 154);
    CreateButtons(252, 331, 229);
    ComboBox5->setAccessibleDescription(tr("The CALL channel edited, VHF or UHF; "
                                           "Page Up and Page Down move between them."));

    connect(ComboBox5, &QComboBox::activated, this, [this] {
        ComboBox5Click();
        ComboBox5Change();
    });

    SetControlOrder({ComboBox5, Edit1, ComboBox3, Edit3, CheckBox4, RadioButton4, RadioButton1, RadioButton2,
                     RadioButton3, RadioButton5, CheckBox1, CheckBox2, ComboBox1, ComboBox2, Button2,
                     Button1});
    Edit1->setFocus();
}

void TCALL::FormShow()
{
    const TChannelDocument &doc = Doc();
    ComboBox5->clear();
    ComboBox5->addItems({BandLabel(doc, 1), BandLabel(doc, 3)});
    changePermitted_ = true;
    index_ = qBound(0, Main()->SelectedRow(rkCall) - 1, 1);
    ComboBox5->setCurrentIndex(index_);
    Edit1->setFocus();
    LoadCall(index_);
}

int TCALL::ClampBand(const QString &rxNormalized) const
{
    const int band = BandOfFrequency(Doc(), rxNormalized);
    if (index_ == 0)
        return band == 0 ? 0 : 1;
    if (band == 2 && RadioTypeField(tfHas300) == QLatin1String("1"))
        return 2;
    if (band == 4 && RadioTypeField(tfOption800) == QLatin1String("1"))
        return 4;
    return 3;
}

void TCALL::LoadCall(int index)
{
    index_ = qBound(0, index, 1);
    const TChannelDocument &doc = Doc();
    const QString rx = doc.GetRecordField(rkCall, index_, cfReceiveFrequency);
    const QString rxDisplay = rx.isEmpty() ? BandDefaultFrequency(doc, HomeBand(index_)) : FormatFrequency(rx);
    Edit1->setText(rxDisplay);
    LoadStep(doc.GetRecordField(rkCall, index_, cfStep), BandDefaultStep(doc, HomeBand(index_)));
    LoadShiftAndSplit(rkCall, index_, rxDisplay);
    ShowMinus76(index_ == 1);
    LoadTones(rkCall, index_);
    RadioButton4->setEnabled(true);
    ClearChanged();
}

bool TCALL::CommitCall()
{
    // Intended order, not an oversight: the main window's Modified flag
    // goes up as soon as a store is attempted (OK, or Yes to a question),
    // before any check, so an attempt the checks refuse still leaves the
    // document marked as changed. Do not move it below the checks.
    MarkDocumentModified();
    QString rx, tx;
    if (!NormalizeBoth(rx, tx))
        return false;
    const int band = ClampBand(rx);
    int step = StepPositionFor(rx, RadioButton4->isChecked() ? tx : QString());
    bool adjusted = false;
    const QString rxRecord = ClampToRecord(rx, band, step, adjusted);
    ShowStep(step);

    TRecordBuilder record;
    record.Set(cfCallNumber, QString::number(index_));
    SetRecordMiddle(record, rxRecord, step);
    SetSplitFields(record, tx, band, step, adjusted);
    Doc().SetCallRecord(index_, record.Text());
    RefreshMainGrids(index_ == 0 ? tr("Edit CALL VHF") : tr("Edit CALL UHF"));
    LoadCall(index_);
    if (adjusted)
        Inform(RoundedMessage());
    return true;
}

void TCALL::ComboBox5Click()
{
    if (!ContentsChanged())
        return;
    if (!AskToChange() || CommitCall()) {
        changePermitted_ = true;
        return;
    }
    ComboBox5->setCurrentIndex(index_);
    changePermitted_ = false;
}

void TCALL::ComboBox5Change()
{
    if (changePermitted_ && ComboBox5->currentIndex() >= 0)
        LoadCall(ComboBox5->currentIndex());
}

void TCALL::NavigationKey(int key)
{
    NavigateList(ComboBox5, key, [this] { ComboBox5Click(); }, [this] { ComboBox5Change(); });
}
