// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Linked into a program beside its own main(): once the program's first window has been painted,
// children included, it prints the seconds since TANVERA_PROBE_STARTED_AT (the parent's monotonic
// clock when it started the process; main() when unset) and the resident memory in KiB, and ends
// the process at once. The program itself runs unchanged up to that point. In a browser the
// seconds count from the page's start (its time origin), the memory is the program's WebAssembly
// memory, and the page stays, for the one who measures to close.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#include <emscripten/heap.h>
#endif

namespace {

#ifdef __EMSCRIPTEN__
const double startedAt = 0;

double monotonicSeconds()
{
    return emscripten_get_now() * 1e-3;
}

long residentKiB()
{
    return static_cast<long>(emscripten_get_heap_size() / 1024);
}

void end() { }
#else
double monotonicSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Read before any static initialiser of Qt's or the program's runs.
const double startedAt = [] {
    const char* given = std::getenv("TANVERA_PROBE_STARTED_AT");
    return given ? std::strtod(given, nullptr) : monotonicSeconds();
}();

void end()
{
    std::_Exit(0); // the tear-down is not part of start-up
}

long residentKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}
#endif

class FirstPaintWatcher : public QObject
{
public:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        // A window's paint event starts the paint of the whole window; the report waits until
        // the event loop is back, after the children have been painted and the frame flushed.
        if (event->type() == QEvent::Paint && !m_seen && receiver->isWidgetType()
            && static_cast<QWidget*>(receiver)->isWindow()) {
            m_seen = true;
            QTimer::singleShot(0, qApp, [] { report(); });
        }
        return false;
    }

private:
    static void report()
    {
        std::printf("%.6f %ld\n", monotonicSeconds() - startedAt, residentKiB());
        std::fflush(stdout);
        end();
    }
    bool m_seen = false;
};

void watchFirstPaint()
{
    qApp->installEventFilter(new FirstPaintWatcher);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)
