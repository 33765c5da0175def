// SPDX-License-Identifier: GPL-2.0-or-later
// The report engine's failure: a message text such as "RpPrinter not ready".
#pragma once

#include "platform/error.h"

namespace report {

class ERpError : public platform::Error {
public:
    using platform::Error::Error;
};

} // namespace report
