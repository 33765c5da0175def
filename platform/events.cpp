// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/events.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace platform {

bool letEventsIn(const QObject* alive)
{
    const QPointer<const QObject> guard(alive);
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
    return !alive || guard;
}

void runEventsWhile(const std::function<bool()>& goOn)
{
    if (!QCoreApplication::instance())
        return;
    while (goOn() && !QCoreApplication::closingDown())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void waitUntilExposed(QWidget& window)
{
    QElapsedTimer waited;
    waited.start();
    while (window.windowHandle() && !window.windowHandle()->isExposed() && waited.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
}

} // namespace platform
