#pragma once
// The real platform: Qt's clock, precise timers, event loop, message boxes and
// desktop opener, and a media framework supplied by the entry point.
#include "ui/Platform.h"
#include <functional>

namespace ui {

class QtPlatform : public Platform {
public:
    using GraphFactory = std::function<std::unique_ptr<MediaGraph>()>;
    explicit QtPlatform(GraphFactory graphs);

    double clockSeconds() override;
    std::unique_ptr<TimerBackend> createTimer(std::function<void()> tick) override;
    void pumpEvents() override;
    void pumpPaintEvents() override;
    void runModal(Form& form) override;
    void messageBox(const QString& text, int style, const QString& title) override;
    void errorReport(const QString& text) override;
    void shellOpen(const QString& argument) override;
    void endProcess(int code) override;
    std::unique_ptr<MediaGraph> createGraph() override;

private:
    GraphFactory graphs_;
    bool ending_ = false;  // endProcess has asked the main loop to end
};

}  // namespace ui
