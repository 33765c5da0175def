// SPDX-License-Identifier: GPL-2.0-or-later
// przelew-render's work, without a window: the job the command line asked for, from its inputs through
// the transfer reader to the pages written or printed. Tests run it in the test's own process.
#pragma once

#include "tools/renderoptions.h"

#include <QStringList>
#include <QTextStream>

namespace tools {

// Runs one job; what it has to say goes to out (request ids, the code's text) and err (warnings, what
// stopped it). Returns the exit status: 0 done, 1 stopped by an input, an output or a refused transfer.
int runRenderJob(const RenderOptions& options, QTextStream& out, QTextStream& err);

// The command line's words (without the program's name) to the exit status: 2 for bad arguments.
int runRender(const QStringList& words, QTextStream& out, QTextStream& err);

} // namespace tools
