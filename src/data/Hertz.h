// Frequencies and offsets as whole hertz: one type that reads the digit
// texts of records and the MHz texts people type or files hold, and writes
// both back, so no part of the program converts MHz on its own.
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

class THz {
public:
    constexpr THz() = default;
    constexpr explicit THz(qint64 hz) : hz_(hz) {}

    constexpr qint64 Value() const { return hz_; }
    // Whole megahertz (145 for 145.6125 MHz).
    constexpr qint64 WholeMhz() const { return hz_ / 1000000; }

    // A record's digit text ("00145000000", "000600000"): its value; none
    // when the text is empty, holds anything but ASCII digits or has more
    // than 15 digits.
    static std::optional<THz> OfDigits(const QString &digits);
    // A number of MHz as people write it: ASCII digits with at most one
    // decimal mark ('.' or ','), surrounding blanks and an optional "MHz"
    // after it. Up to six decimals count (the rest are below 1 Hz and
    // cut); at most six digits before the mark. None for anything else.
    static std::optional<THz> OfMhzText(const QString &text);

    // The value as a record's digit text, zero-filled to `width` digits.
    QString Digits(int width) const;
    // "145.000", "145.6125": MHz with at least `minDecimals` decimals and
    // as many more (up to six) as the value needs; a sign below zero.
    QString Mhz(int minDecimals = 3) const;
    // Mhz() followed by " MHz", for messages.
    QString MhzWithUnit() const { return Mhz() + QStringLiteral(" MHz"); }
    // MHz with exactly `decimals` decimals (0..6), the rest cut.
    QString MhzFixed(int decimals) const;

    friend constexpr bool operator==(THz a, THz b) { return a.hz_ == b.hz_; }
    friend constexpr bool operator!=(THz a, THz b) { return a.hz_ != b.hz_; }
    friend constexpr bool operator<(THz a, THz b) { return a.hz_ < b.hz_; }
    friend constexpr THz operator+(THz a, THz b) { return THz(a.hz_ + b.hz_); }
    friend constexpr THz operator-(THz a, THz b) { return THz(a.hz_ - b.hz_); }

private:
    qint64 hz_ = 0;
};
