#include "Hertz.h"

namespace {

constexpr int kMaxDigits = 15;
constexpr int kMaxWholeMhzDigits = 6;
constexpr int kDecimals = 6;

bool IsAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

qint64 DigitsValue(QStringView digits)
{
    qint64 value = 0;
    for (QChar c : digits)
        value = value * 10 + (c.unicode() - '0');
    return value;
}

} // namespace

std::optional<THz> THz::OfDigits(const QString &digits)
{
    if (digits.isEmpty() || digits.size() > kMaxDigits)
        return std::nullopt;
    for (QChar c : digits)
        if (!IsAsciiDigit(c))
            return std::nullopt;
    return THz(DigitsValue(digits));
}

std::optional<THz> THz::OfMhzText(const QString &text)
{
    QString t = text.trimmed();
    if (t.endsWith(QLatin1String("MHz"), Qt::CaseInsensitive))
        t = t.chopped(3).trimmed();
    int mark = -1;
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
            if (mark >= 0)
                return std::nullopt;
            mark = i;
        } else if (!IsAsciiDigit(c)) {
            return std::nullopt;
        }
    }
    const QStringView whole = mark < 0 ? QStringView(t) : QStringView(t).left(mark);
    const QStringView fraction = mark < 0 ? QStringView() : QStringView(t).mid(mark + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    if (whole.size() > kMaxWholeMhzDigits)
        return std::nullopt;
    QString decimals = fraction.left(kDecimals).toString();
    decimals = decimals.leftJustified(kDecimals, QLatin1Char('0'));
    return THz(DigitsValue(whole) * 1000000 + DigitsValue(decimals));
}

QString THz::Digits(int width) const
{
    return QString::number(hz_).rightJustified(width, QLatin1Char('0'));
}

QString THz::Mhz(int minDecimals) const
{
    const qint64 magnitude = qAbs(hz_);
    QString fraction = QString::number(magnitude % 1000000).rightJustified(kDecimals, QLatin1Char('0'));
    while (fraction.size() > minDecimals && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    const QString sign = hz_ < 0 ? QStringLiteral("-") : QString();
    return sign + QString::number(magnitude / 1000000)
        + (fraction.isEmpty() ? QString() : QLatin1Char('.') + fraction);
}

QString THz::MhzFixed(int decimals) const
{
    decimals = qBound(0, decimals, kDecimals);
    const qint64 magnitude = qAbs(hz_);
    const QString sign = hz_ < 0 ? QStringLiteral("-") : QString();
    const QString fraction = QString::number(magnitude % 1000000).rightJustified(kDecimals, QLatin1Char('0'));
    return sign + QString::number(magnitude / 1000000)
        + (decimals > 0 ? QLatin1Char('.') + fraction.left(decimals) : QString());
}
