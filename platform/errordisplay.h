// SPDX-License-Identifier: GPL-2.0-or-later
// The one error display of the program: a message box with the caption "Przelew", an error icon and an
// OK button. Command handlers catch at their boundary and show the text here. Tests replace the box
// with a handler of their own.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace platform {

// The text as shown: a period is appended when the last character's code-page-1250 byte sorts after
// "." (0x2E).
QString errorDisplayText(const QString& message);

// Shows the error (modal). The parent is the active window when none is given.
void showError(const QString& message, QWidget* parent = nullptr);

// Replaces the message box; the handler receives the text as shown (period rule applied). An empty
// function restores the box. Returns the previous handler.
using ErrorHandler = std::function<void(const QString& shownText)>;
ErrorHandler setErrorHandler(ErrorHandler handler);

// Runs a command and shows any error that escapes it, so no exception unwinds through Qt.
void runGuarded(const std::function<void()>& command, QWidget* parent = nullptr);

} // namespace platform
