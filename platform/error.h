// SPDX-License-Identifier: GPL-2.0-or-later
// The one exception type of the program: it carries the message text that the error display shows.
// Subsystems derive their own kinds (the report engine's ERpError, the printer's EPrinter, file errors).
#pragma once

#include <QString>
#include <exception>
#include <string>

namespace platform {

class Error : public std::exception {
public:
    explicit Error(QString message)
        : m_message(std::move(message))
        , m_utf8(m_message.toStdString())
    {
    }
    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_message;
    std::string m_utf8;
};

} // namespace platform
