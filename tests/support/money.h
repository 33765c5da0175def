// SPDX-License-Identifier: GPL-2.0-or-later
// Amounts in tests as the program reads them: "1234,50"_zl.
#pragma once

#include "transfer/money.h"

#include <QString>
#include <stdexcept>

inline transfer::Money operator""_zl(const char* text, std::size_t)
{
    const std::optional<transfer::Money> money = transfer::readAmount(QString::fromUtf8(text)).money;
    if (!money)
        throw std::invalid_argument(text);
    return *money;
}
