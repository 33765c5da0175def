// SPDX-License-Identifier: GPL-2.0-or-later
// The nested event loops of the program. A generation, a print and a wait for the spooler run on the
// window's thread and let the window system in only through these: repaints, the progress window's Cancel,
// a preview window being closed. Whatever the events do may delete what the run works for, so each call
// says whether the object it is told about still exists afterwards.
#pragma once

#include <functional>

class QObject;
class QWidget;

namespace platform {

// Lets the pending events run once (nothing without an application). False when `alive`, given, was
// deleted meanwhile.
bool letEventsIn(const QObject* alive = nullptr);

// Runs events, sleeping until they come, as long as goOn() holds and the application is not closing: the
// preview's wait until its window closes.
void runEventsWhile(const std::function<bool()>& goOn);

// Waits (at most half a second) until the window system has mapped the window, letting no input in, so it
// can be painted at once.
void waitUntilExposed(QWidget& window);

} // namespace platform
