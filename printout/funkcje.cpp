// SPDX-License-Identifier: GPL-2.0-or-later
#include "printout/funkcje.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace printout {

std::string SpaceLetters(std::string_view text, int count, bool upper)
{
    const std::string spacer(count > 0 ? std::size_t(count) : 0, ' ');
    std::string result;
    result.reserve(text.size() * (spacer.size() + 1));
    for (char c : text) {
        result += c;
        result += spacer;
    }
    if (upper) {
        // Only ASCII letters: a locale-aware toupper would also change the code page's Polish letters.
        for (char& c : result) {
            if (c >= 'a' && c <= 'z')
                c = char(c - 'a' + 'A');
        }
    }
    return result;
}

std::string piece(std::string_view text, int first, int last)
{
    if (first < 1)
        first = 1;
    if (last < first || std::size_t(first) > text.size())
        return {};
    const std::size_t begin = std::size_t(first - 1);
    return std::string(text.substr(begin, std::size_t(last - first) + 1));
}

namespace {

// Adds one to a string of decimal digits, growing it by a leading 1 on overflow.
void incrementDigits(std::string& digits)
{
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

std::string amountText(double amount, std::string_view decimalSeparator)
{
    if (std::isnan(amount))
        return "NAN";
    if (std::isinf(amount))
        return amount < 0 ? "-INF" : "INF";

    // 18 significant digits, rounded to nearest by the C library: d.ddddddddddddddddde[+-]x.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17e", std::fabs(amount));
    std::string mantissa;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            mantissa += *p;
    }
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;

    // The leading mantissa digit stands at the place 10^exponent; places beyond the 18 digits are zeros.
    const bool zero = mantissa.find_first_not_of('0') == std::string::npos;
    auto digitAt = [&](int place) -> char {
        const int index = exponent - place;
        if (zero || index < 0 || index >= int(mantissa.size()))
            return '0';
        return mantissa[std::size_t(index)];
    };
    std::string digits; // the integer part and two decimals, without the separator
    for (int place = std::max(exponent, 0); place >= -2; --place)
        digits += digitAt(place);
    if (digitAt(-3) >= '5')
        incrementDigits(digits);

    std::string text;
    const bool allZero = digits.find_first_not_of('0') == std::string::npos;
    if (amount < 0 && !allZero)
        text += '-';
    text.append(digits, 0, digits.size() - 2);
    text += decimalSeparator;
    text.append(digits, digits.size() - 2, 2);
    return text;
}

} // namespace printout
