// Band plan, value tables and default records of the radio variants.
#include "BandPlan.h"

#include "ChannelDocument.h"

#include <QStringList>

namespace {

const char *const kBandCodes[kVfoSlots] = {"1", "2", "5", "6", "8"};
const char *const kDefaultLimits[kBandLimitSlots] = {"00118,00135", "00136,00173", "00300,00399",
                                                     "00410,00469", "00800,00999"};

const char *const kTones[] = {
    "67.0Hz",  "69.4Hz",  "71.9Hz",  "74.4Hz",  "77.0Hz",  "79.7Hz",  "82.5Hz",  "85.4Hz",
    "88.5Hz",  "91.5Hz",  "94.8Hz",  "97.4Hz",  "100.0Hz", "103.5Hz", "107.2Hz", "110.9Hz",
    "114.8Hz", "118.8Hz", "123.0Hz", "127.3Hz", "131.8Hz", "136.5Hz", "141.3Hz", "146.2Hz",
    "151.4Hz", "156.7Hz", "162.2Hz", "167.9Hz", "173.8Hz", "179.9Hz", "186.2Hz", "192.8Hz",
    "203.5Hz", "210.7Hz", "218.1Hz", "225.7Hz", "233.6Hz", "241.8Hz", "250.3Hz"};
constexpr int kToneCount = int(sizeof kTones / sizeof kTones[0]);
constexpr int kSkippedToneCode = 2; // 69.4 Hz: not offered by the editors
constexpr int kDefaultToneCode = 9; // 88.5 Hz: an empty tone code means this

const char *const kSteps[] = {"5kHz",  "6.25kHz", "10kHz", "12.5kHz", "15kHz",
                              "20kHz", "25kHz",   "30kHz", "50kHz",   "100kHz"};
constexpr int kStepCount = int(sizeof kSteps / sizeof kSteps[0]);
// Editors' step list, by list position.
const char *const kEditorSteps[] = {"5kHz",  "6.25kHz", "10kHz", "12.5kHz",
                                    "15kHz", "20kHz",   "25kHz", "50kHz"};
const int kEditorStepHz[] = {5000, 6250, 10000, 12500, 15000, 20000, 25000, 50000};
static_assert(sizeof kEditorStepHz / sizeof kEditorStepHz[0] == kEditorStepCount, "one size per list entry");

const char *const kPowers[] = {"High", "Mid", "Low", "EL"};

QString TypeField(const TChannelDocument &doc, int field)
{
    return doc.GetRecordField(rkRadioType, 0, field);
}

// Value of a text made only of ASCII digits (at most 4 of them), -1 otherwise.
int SmallNumber(const QString &text)
{
    if (text.isEmpty() || text.size() > 4)
        return -1;
    int value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

} // namespace

QString BandCode(int band)
{
    return band >= 0 && band < kVfoSlots ? QLatin1String(kBandCodes[band]) : QString();
}

int BandOfCode(QChar code)
{
    for (int band = 0; band < kVfoSlots; ++band) {
        if (code == QLatin1Char(kBandCodes[band][0]))
            return band;
    }
    return -1;
}

QString BandLabel(const TChannelDocument &doc, int band)
{
    switch (band) {
    case 0:
        return QStringLiteral("118MHz");
    case 1:
        return QStringLiteral("144MHz");
    case 2:
        return QStringLiteral("300MHz");
    case 3:
        return TypeField(doc, tfVariant) == QLatin1String("2") ? QStringLiteral("440MHz")
                                                       : QStringLiteral("430MHz");
    case 4:
        return QStringLiteral("800MHz");
    default:
        return QString();
    }
}

bool BandPresent(const TChannelDocument &doc, int band)
{
    switch (band) {
    case 0:
        return TypeField(doc, tfHas118) == QLatin1String("1");
    case 1:
    case 3:
        return true;
    case 2:
        return TypeField(doc, tfHas300) == QLatin1String("1");
    case 4: {
        const QString option = TypeField(doc, tfOption800);
        return option == QLatin1String("1") || option == QLatin1String("2");
    }
    default:
        return false;
    }
}

QString DefaultBandLimit(int band)
{
    return band >= 0 && band < kBandLimitSlots ? QLatin1String(kDefaultLimits[band]) : QString();
}

QList<int> VfoListBands(const TChannelDocument &doc)
{
    QList<int> bands;
    for (int band = 0; band < kVfoSlots; ++band) {
        if (BandPresent(doc, band))
            bands.append(band);
    }
    return bands;
}

QString ToneText(int code)
{
    return code >= 1 && code <= kToneCount ? QLatin1String(kTones[code - 1]) : QString();
}

QString ToneTextOfCode(const QString &codeField)
{
    if (codeField.isEmpty())
        return ToneText(kDefaultToneCode);
    return ToneText(SmallNumber(codeField));
}

QStringList EditorToneTexts()
{
    QStringList texts;
    for (int code = 1; code <= kToneCount; ++code) {
        if (code != kSkippedToneCode)
            texts << ToneText(code);
    }
    return texts;
}

QString StepText(int code)
{
    return code >= 0 && code < kStepCount ? QLatin1String(kSteps[code]) : QString();
}

QString StepTextOfCode(const QString &codeField)
{
    return StepText(SmallNumber(codeField));
}

QStringList EditorStepTexts()
{
    QStringList texts;
    for (const char *text : kEditorSteps)
        texts << QLatin1String(text);
    return texts;
}

int StepSizeHz(int listPosition)
{
    return listPosition >= 0 && listPosition < kEditorStepCount ? kEditorStepHz[listPosition] : 0;
}

QString PowerText(int code)
{
    return code >= 0 && code < 4 ? QLatin1String(kPowers[code]) : QString();
}

void ApplyDefaultRecords(TChannelDocument &doc)
{
    const QString v = TypeField(doc, tfVariant);
    const QString s = TypeField(doc, tfSubVariant);

    // VHF: memory channel 1, VFO band 1, CALL channel 0.
    if (v == QLatin1String("0")) {
        doc.SetMemoryRecord(1, QStringLiteral("001,00145000000,5,0,0,0,0,,09,,09,,0,,,,,"));
        doc.SetVfoRecord(1, QStringLiteral("2,00145000000,5,0,0,0,0,,09,,09,000600000,,,,,0,"));
        doc.SetCallRecord(0, QStringLiteral("0,00145000000,5,0,0,0,0,,09,,09,,,,,,,"));
    } else if (v == QLatin1String("1") || v == QLatin1String("3")) {
        doc.SetMemoryRecord(1, QStringLiteral("001,00144000000,3,0,0,0,0,,09,,09,,0,,,,,"));
        doc.SetVfoRecord(1, QStringLiteral("2,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,0,"));
        doc.SetCallRecord(0, QStringLiteral("0,00144000000,3,0,0,0,0,,09,,09,,,,,,,"));
    } else if (v == QLatin1String("2")) {
        doc.SetMemoryRecord(1, QStringLiteral("001,00144000000,0,0,0,0,0,,09,,09,,0,,,,,"));
        doc.SetVfoRecord(1, QStringLiteral("2,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,0,"));
        doc.SetCallRecord(0, QStringLiteral("0,00144000000,0,0,0,0,0,,09,,09,,,,,,,"));
    }

    // UHF: VFO band 3, CALL channel 1.
    if (v == QLatin1String("0")) {
        doc.SetVfoRecord(3, QStringLiteral("6,00433000000,5,0,0,0,0,,09,,09,005000000,,,,,0,"));
        doc.SetCallRecord(1, QStringLiteral("1,00433000000,5,0,0,0,0,,09,,09,,,,,,,"));
    } else if (v == QLatin1String("1")) {
        doc.SetVfoRecord(3, QStringLiteral("6,00430000000,6,0,0,0,0,,09,,09,005000000,,,,,0,"));
        doc.SetCallRecord(1, QStringLiteral("1,00430000000,6,0,0,0,0,,09,,09,,,,,,,"));
    } else if (v == QLatin1String("2")) {
        doc.SetVfoRecord(3, QStringLiteral("6,00440000000,6,0,0,0,0,,09,,09,005000000,,,,,0,"));
        doc.SetCallRecord(1, QStringLiteral("1,00440000000,6,0,0,0,0,,09,,09,,,,,,,"));
    } else if (v == QLatin1String("3") && s == QLatin1String("05")) {
        doc.SetVfoRecord(3, QStringLiteral("6,00432000000,6,0,0,0,0,,09,,09,001600000,,,,,0,"));
        doc.SetCallRecord(1, QStringLiteral("1,00432000000,6,0,0,0,0,,09,,09,,,,,,,"));
    } else if (v == QLatin1String("3")) {
        doc.SetVfoRecord(3, QStringLiteral("6,00430000000,6,0,0,0,0,,09,,09,001600000,,,,,0,"));
        doc.SetCallRecord(1, QStringLiteral("1,00430000000,6,0,0,0,0,,09,,09,,,,,,,"));
    }

    // Optional bands, whatever the variant.
    if (TypeField(doc, tfHas118) == QLatin1String("1"))
        doc.SetVfoRecord(0, QStringLiteral("1,00118000000,3,0,0,0,0,,09,,09,000600000,,,,,,"));
    if (TypeField(doc, tfHas300) == QLatin1String("1")) {
        doc.SetVfoRecord(2, v == QLatin1String("3")
                                ? QStringLiteral("5,00340000000,3,0,0,0,0,,09,,09,001600000,,,,,,")
                                : QStringLiteral("5,00340000000,3,0,0,0,0,,09,,09,005000000,,,,,,"));
    }
    const QString option800 = TypeField(doc, tfOption800);
    if (option800 == QLatin1String("1")) {
        doc.SetVfoRecord(4, v == QLatin1String("3")
                                ? QStringLiteral("8,00870000000,3,0,0,0,0,,09,,09,001600000,,,,,,")
                                : QStringLiteral("8,00870000000,3,0,0,0,0,,09,,09,005000000,,,,,,"));
    } else if (option800 == QLatin1String("2")) {
        doc.SetVfoRecord(4, QStringLiteral("8,00860000000,3,0,0,0,0,,09,,09,005000000,,,,,,"));
    }
}

QString DefaultVhfFrequency(const TChannelDocument &doc)
{
    return TypeField(doc, tfVariant) == QLatin1String("0") ? QStringLiteral("145.000")
                                                   : QStringLiteral("144.000");
}

QString DefaultUhfFrequency(const TChannelDocument &doc)
{
    const QString v = TypeField(doc, tfVariant);
    if (v == QLatin1String("0"))
        return QStringLiteral("433.000");
    if (v == QLatin1String("2"))
        return QStringLiteral("440.000");
    return TypeField(doc, tfSubVariant) == QLatin1String("05") ? QStringLiteral("432.000")
                                                    : QStringLiteral("430.000");
}

QString Default800Frequency(const TChannelDocument &doc)
{
    return TypeField(doc, tfOption800) == QLatin1String("2") ? QStringLiteral("860.000")
                                                   : QStringLiteral("870.000");
}

int DefaultVhfStep(const TChannelDocument &doc)
{
    const QString v = TypeField(doc, tfVariant);
    if (v == QLatin1String("0"))
        return 5;
    if (v == QLatin1String("2"))
        return 0;
    return 3;
}

int DefaultUhfStep(const TChannelDocument &doc)
{
    return TypeField(doc, tfVariant) == QLatin1String("0") ? 5 : 6;
}
