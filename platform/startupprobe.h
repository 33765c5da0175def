// SPDX-License-Identifier: GPL-2.0-or-later
// How long a window takes to appear, for bench/startup.sh: with PRZELEW_STARTUP_PROBE set in the
// environment, once the window has painted itself and its picture is on the screen, the program writes
// the time of day in nanoseconds and the window's width and height to standard output and ends at once.
// Without the variable nothing happens.
#pragma once

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace platform {

inline void installStartupProbe(QWidget& window)
{
    if (qEnvironmentVariableIsEmpty("PRZELEW_STARTUP_PROBE"))
        return;
    class Probe : public QObject {
    public:
        using QObject::QObject;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && !m_seen) {
                m_seen = true;
                auto* window = static_cast<QWidget*>(watched);
                const int width = window->width(), height = window->height();
                // The painted picture reaches the screen when the paint events are done.
                QTimer::singleShot(0, [width, height] {
                    timespec now {};
                    clock_gettime(CLOCK_REALTIME, &now);
                    std::printf("%lld %d %d\n",
                        static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, width, height);
                    std::fflush(stdout);
                    std::_Exit(0);
                });
            }
            return false;
        }

    private:
        bool m_seen = false;
    };
    window.installEventFilter(new Probe(&window));
}

} // namespace platform
