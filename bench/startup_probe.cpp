// The program's own start-up, measured as a whole process: started by the start-up benchmark,
// it reports on its standard output, once the window has been drawn for the first time, the
// time since the benchmark started it and its resident memory, and ends at once.
#include "ui/application.h"
#include "ui/form1.h"
#include "ui/qt_message_box.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

namespace {

double monotonicSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
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

// Reports right after the first paint event has been handled, children included.
class FirstPaintWatcher : public QObject
{
public:
    explicit FirstPaintWatcher(double startedAt)
        : m_startedAt(startedAt)
    { }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, [this] { report(); });
        return false;
    }

private:
    void report() const
    {
        std::printf("%.6f %ld\n", monotonicSeconds() - m_startedAt, residentKiB());
        std::fflush(stdout);
        std::_Exit(0); // the tear-down is not part of start-up
    }
    double m_startedAt;
};

} // namespace

int main(int argc, char* argv[])
{
    const char* startedAt = std::getenv("TANVERA_PROBE_STARTED_AT");
    QApplication app(argc, argv);
    const char separator = tanvera::setUpApplication(app);
    tanvera::QtMessageBox messages;
    tanvera::Form1 window(separator, messages);
    FirstPaintWatcher watcher(startedAt ? std::strtod(startedAt, nullptr) : monotonicSeconds());
    window.installEventFilter(&watcher);
    window.show();
    return app.exec();
}
