#include "start_monitor.h"

namespace {

// The shell passes the monitor in the place of standard output, which a program without
// standard handles does not otherwise use; anything else there is not a monitor and is refused.
HMONITOR MonitorNamedAtStart(MONITORINFO& info) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ::GetStartupInfoW(&startup);
    if (startup.dwFlags & STARTF_USESTDHANDLES) return nullptr;
    const auto named = reinterpret_cast<HMONITOR>(startup.hStdOutput);
    return named && ::GetMonitorInfoW(named, &info) ? named : nullptr;
}

HMONITOR MonitorInFront() {
    const HWND front = ::GetForegroundWindow();
    return front ? ::MonitorFromWindow(front, MONITOR_DEFAULTTONULL) : nullptr;
}

// Read once: later the window in front is the program's own.
HMONITOR StartMonitor() {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (const HMONITOR named = MonitorNamedAtStart(info)) return named;
    if (const HMONITOR front = MonitorInFront()) return front;
    return ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
}

}  // namespace

RECT AfxGetStartMonitorWorkArea() {
    static const HMONITOR monitor = StartMonitor();
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoW(monitor, &info)) return info.rcWork;
    // Unplugged since the start: the primary monitor.
    ::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    return info.rcWork;
}
