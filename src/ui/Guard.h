#pragma once
// The runtime's boundary for failures: event handlers run inside Guarded, so a
// failure they do not handle becomes the error report and the end of the
// program (exit code 1) instead of unwinding through the window system.
#include <QString>
#include <exception>
#include <utility>

namespace ui {

// Shows the error report for an unhandled failure and ends the program with
// exit code 1.
void ReportFatal(const QString& what);

template <typename F>
void Guarded(F&& f) noexcept {
    try {
        std::forward<F>(f)();
    } catch (const std::exception& e) {
        ReportFatal(QString::fromUtf8(e.what()));
    } catch (...) {
        ReportFatal(QStringLiteral("Unknown failure"));
    }
}

}  // namespace ui
