// SPDX-License-Identifier: GPL-2.0-or-later
// The printer object's failures ("Printer selected is not valid", ...), shown like every other error.
#pragma once

#include "platform/error.h"

namespace platform {

class EPrinter : public Error {
public:
    using Error::Error;
};

} // namespace platform
