// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/errordisplay.h"

#include "platform/cp1250.h"
#include "platform/error.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <exception>

namespace platform {

namespace {
ErrorHandler& handler()
{
    static ErrorHandler h;
    return h;
}
} // namespace

QString errorDisplayText(const QString& message)
{
    if (message.isEmpty())
        return message;
    if (cp1250Byte(message.back()) > 0x2E)
        return message + QLatin1Char('.');
    return message;
}

void showError(const QString& message, QWidget* parent)
{
    const QString text = errorDisplayText(message);
    if (handler()) {
        handler()(text);
        return;
    }
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Przelew"), text, QMessageBox::Ok, parent);
    box.exec();
}

ErrorHandler setErrorHandler(ErrorHandler h)
{
    ErrorHandler previous = std::move(handler());
    handler() = std::move(h);
    return previous;
}

void runGuarded(const std::function<void()>& command, QWidget* parent)
{
    try {
        command();
    } catch (const Error& e) {
        showError(e.message(), parent);
    } catch (const std::bad_alloc&) {
        showError(QCoreApplication::translate("platform", "Out of memory"), parent);
    } catch (const std::exception& e) {
        showError(QString::fromLocal8Bit(e.what()), parent);
    }
}

} // namespace platform
