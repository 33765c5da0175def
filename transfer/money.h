// SPDX-License-Identifier: GPL-2.0-or-later
// Money as whole grosze, exact from the text read to the text printed, and the one way every amount is
// read: from a transfer file, a CSV file, the batch table or the amount editor, on every desktop.
#pragma once

#include <QString>
#include <QStringView>
#include <compare>
#include <cstdint>
#include <optional>

namespace transfer {

class Money {
public:
    constexpr Money() = default;
    static constexpr Money fromGrosze(std::int64_t grosze)
    {
        Money m;
        m.m_grosze = grosze;
        return m;
    }
    // The amount a record's floating value stands for, to the nearest grosz; nothing for a value that
    // is not finite or lies beyond the largest amount.
    static std::optional<Money> fromRecordValue(double value);

    constexpr std::int64_t grosze() const { return m_grosze; }
    // The floating value a record and the page's amount text take: the double nearest to the amount,
    // which two decimals turn back into exactly this amount for every amount up to MaxAmount.
    double toRecordValue() const { return double(m_grosze) / 100.0; }

    // "1234,50", "-50,00": two decimals after the separator, no thousands separator.
    QString text(QChar decimalSeparator = QLatin1Char(',')) const;
    // For reading at a glance: "1 234 567,50", the thousands apart by a space.
    QString groupedText() const;
    // The shortest form: "1234,5", "12", "0,05".
    QString shortText(QChar decimalSeparator = QLatin1Char(',')) const;

    friend constexpr auto operator<=>(Money, Money) = default;

private:
    std::int64_t m_grosze = 0;
};

// The largest amount a form takes, and the amount in words ends with: 999 999 999 999,99.
inline constexpr Money MaxAmount = Money::fromGrosze(99'999'999'999'999);

struct AmountReading {
    enum class State {
        Empty, // blanks only: no amount given
        Read,
        Unreadable, // no number: "100,-", "250,00 zł", "PLN 100"
        Ambiguous, // "1,234" or "1.234": a decimal or a thousands separator, one reading a thousand times the
                   // other
        TooManyDecimals, // a third decimal that is not 0: "12,345"
        TooLarge, // beyond MaxAmount
    };
    State state = State::Empty;
    std::optional<Money> money; // set when Read
};

// Reads an amount the same way whatever the desktop's language:
// - blanks around it (spaces, tabs, non-breaking spaces) and an optional sign;
// - a decimal comma or point; thousands grouped in threes by blanks, by the other of comma and point
//   ("1 234,50", "1.234,50", "1,234.50", "1.234.567"), never by the separator the decimals follow;
// - one comma or point followed by exactly three digits after at most three others ("1,234") reads as
//   both a decimal and a thousands separator, and is refused as ambiguous;
// - an exponent after plain digits ("1e3", "1,5E2") is taken, exactly;
// - decimals past the second must be zeros: the grosz is never rounded.
AmountReading readAmount(QStringView text);

} // namespace transfer
