// Frequency, offset and name entry rules.
//
// Out-of-range values are coerced, never refused: the only refused text is
// one that is not a number with at most one decimal point.
#include "FrequencyRules.h"

#include "BandPlan.h"
#include "ChannelDocument.h"

namespace {

const QChar kDot = QLatin1Char('.');
const QChar kZero = QLatin1Char('0');

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A decimal comma (typed, or pasted from a program that writes one) means
// the decimal point; dropping it would move the point.
void DecimalCommaToPoint(QString &text)
{
    text.replace(QLatin1Char(','), kDot);
}

// True when the text holds only digits and at most one '.'.
bool IsNumberText(const QString &text)
{
    int dots = 0;
    for (QChar c : text) {
        if (c == kDot) {
            if (++dots > 1)
                return false;
        } else if (!IsAsciiDigit(c)) {
            return false;
        }
    }
    return true;
}

// Value of a digit text, saturated at `cap` so long entries cannot overflow.
qint64 DigitValue(const QString &digits, qint64 cap)
{
    qint64 value = 0;
    for (QChar c : digits) {
        if (!IsAsciiDigit(c))
            break;
        value = value * 10 + (c.unicode() - '0');
        if (value > cap)
            return cap + 1;
    }
    return value;
}

// Drops leading zeros while the next character is not the decimal point.
void DropLeadingZeros(QString &text)
{
    int skip = 0;
    while (skip + 1 < text.size() && text.at(skip) == kZero && text.at(skip + 1) != kDot)
        ++skip;
    text.remove(0, skip);
}

QString TypeField(const TChannelDocument &doc, int field)
{
    return doc.GetRecordField(rkRadioType, 0, field);
}

bool Has800Option(const TChannelDocument &doc)
{
    const QString option = TypeField(doc, tfOption800);
    return option == QLatin1String("1") || option == QLatin1String("2");
}

// Lower and upper whole MHz of a band. A band without a usable limit record
// (the radio named no edges for it) falls back to its default limits, so a
// frequency is never clamped against a limit of zero.
void BandLimits(const TChannelDocument &doc, int band, int &lower, int &upper)
{
    auto parse = [](const QString &record, int &lo, int &hi) {
        const int comma = record.indexOf(QLatin1Char(','));
        if (comma <= 0 || comma + 1 >= record.size())
            return false;
        const QString first = record.left(comma);
        const QString second = record.mid(comma + 1);
        bool ok1 = false, ok2 = false;
        lo = first.toInt(&ok1);
        hi = second.toInt(&ok2);
        return ok1 && ok2 && lo >= 0 && hi >= lo && hi <= 99999;
    };
    if (parse(doc.Record(rkBandLimit, band), lower, upper))
        return;
    if (!parse(DefaultBandLimit(band), lower, upper)) {
        lower = 0;
        upper = 999;
    }
}

QChar CharAt(const QString &text, int i)
{
    return i < text.size() ? text.at(i) : QChar();
}

} // namespace

bool NormalizeFrequencyText(QString &text)
{
    DecimalCommaToPoint(text);
    if (!IsNumberText(text))
        return false;

    QString result;
    const int dot = text.indexOf(kDot);
    if (dot >= 0) {
        QString work = text;
        DropLeadingZeros(work);
        const int n = work.indexOf(kDot);
        if (n < 3)
            result = QStringLiteral("00000000");
        else if (n == 3)
            result = work.left(3) + work.mid(4, 6);
        else
            result = QStringLiteral("99999999");
    } else if (text.isEmpty()) {
        result = QStringLiteral("00000000");
    } else {
        const qint64 v = DigitValue(text, 999);
        if (v < 100)
            result = QStringLiteral("00000000");
        else if (v > 999)
            result = QStringLiteral("99999999");
        else
            result = QString::number(v);
    }
    while (result.size() < 9)
        result.append(kZero);
    text = result;
    return true;
}

int BandOfFrequency(const TChannelDocument &doc, const QString &text)
{
    const QChar first = CharAt(text, 0);
    const QChar second = CharAt(text, 1);
    const QChar third = CharAt(text, 2);

    if (first == QLatin1Char('0') || first == QLatin1Char('1')) {
        if (TypeField(doc, tfHas118) != QLatin1String("1"))
            return 1;
        if (second < QLatin1Char('3'))
            return 0;
        if (second == QLatin1Char('3') && third <= QLatin1Char('5'))
            return 0;
        return 1;
    }
    if (first == QLatin1Char('2'))
        return 1;
    if (first == QLatin1Char('3'))
        return TypeField(doc, tfHas300) == QLatin1String("1") ? 2 : 3;
    if (first >= QLatin1Char('4') && first <= QLatin1Char('7'))
        return 3;
    if (first == QLatin1Char('8') || first == QLatin1Char('9'))
        return Has800Option(doc) ? 4 : 3;
    // Not a frequency text at all: the always-present VHF band.
    return 1;
}

bool BandForcesStep(const TChannelDocument &doc, int band)
{
    return band == 4 && Has800Option(doc);
}

bool ClampAndRoundFrequency(const TChannelDocument &doc, QString &freq, int band, int &stepPos)
{
    bool adjusted = false;
    const int mhz = int(DigitValue(freq.left(3), 999));

    if (BandForcesStep(doc, band)) {
        switch (stepPos) {
        case 0:
            stepPos = 1;
            break;
        case 2:
        case 4:
            stepPos = 3;
            break;
        case 5:
        case 7:
            stepPos = 6;
            break;
        default:
            break;
        }
        // The cellular telephone bands are not receivable on this variant.
        if (TypeField(doc, tfOption800) == QLatin1String("2")) {
            if (mhz >= 824 && mhz <= 848)
                freq = QStringLiteral("823000000");
            else if (mhz >= 866 && mhz <= 893)
                freq = QStringLiteral("865000000");
        }
    }

    if (band >= 0 && band < kBandLimitSlots) {
        int lower = 0;
        int upper = 0;
        BandLimits(doc, band, lower, upper);
        if (mhz < lower) {
            freq = QString::number(lower) + QStringLiteral("000000");
            adjusted = true;
        } else if (mhz > upper) {
            freq = QString::number(upper) + QStringLiteral("999999");
            adjusted = true;
        }
    }

    // The value in Hz; anything past nine digits cannot be a frequency of
    // this radio and is held at the largest nine-digit value.
    const qint64 value = DigitValue(freq, 999999999);
    const int step = StepSizeHz(stepPos);
    qint64 rest = step > 0 ? value % step : 0;
    if (rest != 0)
        adjusted = true;
    freq = QString::number(value - rest);
    return adjusted;
}

bool ClampAndRoundToNearest(const TChannelDocument &doc, QString &freq, int band, int &stepPos)
{
    const qint64 typed = DigitValue(freq, 999999999);
    if (!ClampAndRoundFrequency(doc, freq, band, stepPos))
        return false;
    const qint64 down = freq.toLongLong();
    const qint64 step = StepSizeHz(stepPos);
    const qint64 rest = typed - down;
    // Clamped (moved by more than a step, or up) rather than rounded: as it is.
    if (step <= 0 || rest <= 0 || rest >= step || rest * 2 <= step)
        return true;
    const qint64 up = down + step;
    const qint64 upMhz = up / 1000000;
    int lower = 0;
    int upper = 0;
    BandLimits(doc, band, lower, upper);
    if (upMhz > upper)
        return true;
    if (BandForcesStep(doc, band) && TypeField(doc, tfOption800) == QLatin1String("2")
        && ((upMhz >= 824 && upMhz <= 848) || (upMhz >= 866 && upMhz <= 893)))
        return true;
    freq = QString::number(up);
    return true;
}

void BandLimitsMHz(const TChannelDocument &doc, int band, int &lower, int &upper)
{
    BandLimits(doc, band, lower, upper);
}

QString FormatFrequency(const QString &record)
{
    QString digits = record.left(11);
    while (digits.size() < 11)
        digits.prepend(kZero);
    QString fraction = digits.mid(8, 3);
    while (!fraction.isEmpty() && fraction.endsWith(kZero))
        fraction.chop(1);
    return digits.mid(2, 3) + kDot + digits.mid(5, 3) + fraction;
}

bool NormalizeOffsetText(QString &text)
{
    DecimalCommaToPoint(text);
    if (!IsNumberText(text))
        return false;

    const QString kMax = QStringLiteral("2995");
    QString result;
    if (text.contains(kDot)) {
        QString work = text;
        DropLeadingZeros(work);
        const int n = work.indexOf(kDot);
        const QString decimals = work.mid(n + 1, 2);
        if (n == 0)
            result = QStringLiteral("00") + decimals;
        else if (n == 1)
            result = QString(kZero) + work.at(0) + decimals;
        else if (n == 2)
            result = work.at(0) > QLatin1Char('2') ? kMax : work.left(2) + decimals;
        else
            result = kMax;
    } else if (text.isEmpty()) {
        result = QStringLiteral("00");
    } else {
        const qint64 v = DigitValue(text, 99);
        if (v > 29)
            result = kMax;
        else
            result = QStringLiteral("%1").arg(v, 2, 10, kZero);
    }
    while (result.size() < 8)
        result.append(kZero);
    // Offsets go in 50 kHz steps.
    result[3] = result.at(3) >= QLatin1Char('5') ? QLatin1Char('5') : kZero;
    text = result;
    return true;
}

QString FormatOffset(const QString &record)
{
    QString digits = record.left(9);
    while (digits.size() < 9)
        digits.prepend(kZero);
    if (digits.at(1) == kZero)
        return digits.mid(2, 1) + kDot + digits.mid(3, 2);
    return digits.mid(1, 2) + kDot + digits.mid(3, 2);
}

bool IsValidMemoryName(const QString &name)
{
    if (name.startsWith(kDot))
        return false;
    int letters = 0;
    for (int i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c == kDot) {
            if (i > 0 && name.at(i - 1) == kDot)
                return false;
            continue;
        }
        const bool allowed = IsAsciiDigit(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
                             || c == QLatin1Char(' ');
        if (!allowed)
            return false;
        ++letters;
    }
    if (letters > 7)
        return false;
    if (letters == 7 && name.endsWith(kDot))
        return false;
    return true;
}

bool StepHoldsFrequencies(int pos, qint64 rxHz, qint64 txHz)
{
    const int size = StepSizeHz(pos);
    return size > 0 && rxHz % size == 0 && txHz % size == 0;
}

int StepForFrequencies(int preferred, qint64 rxHz, qint64 txHz)
{
    if (StepHoldsFrequencies(preferred, rxHz, txHz))
        return preferred;
    int best = -1;
    for (int pos = 0; pos < kEditorStepCount; ++pos) {
        if (StepHoldsFrequencies(pos, rxHz, txHz) && (best < 0 || StepSizeHz(pos) > StepSizeHz(best)))
            best = pos;
    }
    return best >= 0 ? best : preferred;
}

QString MemoryNameInCapitals(const QString &text)
{
    QString name = text;
    for (QChar &c : name) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return name;
}

int StepListPosOfCode(const QString &code)
{
    if (code.size() != 1 || !IsAsciiDigit(code.at(0)))
        return -1;
    const int value = code.at(0).unicode() - '0';
    if (value == 8)
        return 7;
    // Codes 7 (30 kHz) and 9 (100 kHz) have no place in the list; showing
    // them as the entry of the same number would turn 30 kHz into 50 kHz.
    return value <= 6 ? value : -1;
}

QString StepCodeOfListPos(int pos)
{
    if (pos == 7)
        return QStringLiteral("8");
    return pos >= 0 && pos < 7 ? QString::number(pos) : QString();
}

int ToneListPosOfCode(const QString &code)
{
    constexpr int kDefaultPosition = 7; // code 9, 88.5 Hz
    if (code.isEmpty() || code.size() > 2)
        return kDefaultPosition;
    int value = 0;
    for (QChar c : code) {
        if (!IsAsciiDigit(c))
            return kDefaultPosition;
        value = value * 10 + (c.unicode() - '0');
    }
    if (value >= 1 && value <= 2)
        return value - 1;
    if (value >= 3 && value <= 39)
        return value - 2;
    return kDefaultPosition;
}

QString ToneCodeOfListPos(int pos)
{
    if (pos < 0 || pos > 37)
        return QStringLiteral("09");
    const int code = pos == 0 ? 1 : pos + 2;
    return QStringLiteral("%1").arg(code, 2, 10, kZero);
}

QString BandDefaultFrequency(const TChannelDocument &doc, int band)
{
    switch (band) {
    case 0:
        return QStringLiteral("118.000");
    case 1:
        return DefaultVhfFrequency(doc);
    case 2:
        return QStringLiteral("340.000");
    case 3:
        return DefaultUhfFrequency(doc);
    case 4:
        return Default800Frequency(doc);
    default:
        return QString();
    }
}

int BandDefaultStep(const TChannelDocument &doc, int band)
{
    switch (band) {
    case 1:
        return DefaultVhfStep(doc);
    case 3:
        return DefaultUhfStep(doc);
    default:
        return 3;
    }
}

QString BandDefaultOffset(int band)
{
    return band == 0 || band == 1 ? QStringLiteral("0.60") : QStringLiteral("5.00");
}
