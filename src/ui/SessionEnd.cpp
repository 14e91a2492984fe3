#include "ui/SessionEnd.h"
#include "ui/Form.h"
#include "ui/Guard.h"
#include "ui/Platform.h"
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QSessionManager>
#include <vector>

namespace ui {

void AnswerSessionEnd(SessionEndRequest& request) {
    if (!request.allowsInteraction()) return;
    // The forms loaded when the request came; a form that one of them loads
    // while unloading (the outro) is not asked: it plays until the session
    // ends the program.
    std::vector<QPointer<Form>> asked;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* form = dynamic_cast<Form*>(widget); form && form->isLoaded()) asked.emplace_back(form);
    for (const QPointer<Form>& form : asked) {
        if (!form || !form->isLoaded()) continue;
        if (!form->UnloadFor(vbAppWindows)) {
            request.cancel();
            return;
        }
    }
}

#ifndef QT_NO_SESSIONMANAGER
namespace {

// Once the session is over, its manager tells the program to quit, and Qt
// would close every window first: the main window would ask again, even when
// the manager allowed no question. The program ends as it stands instead:
// whatever was to be asked has been asked, and nothing is kept.
class EndWithTheSession : public QObject {
public:
    explicit EndWithTheSession(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != QCoreApplication::instance() || event->type() != QEvent::Quit) return false;
        Guarded([] { platform().endProcess(0); });
        return true;
    }
};

class QtSessionEndRequest : public SessionEndRequest {
public:
    explicit QtSessionEndRequest(QSessionManager& manager) : manager_(manager) {}
    bool allowsInteraction() override { return manager_.allowsInteraction(); }
    void cancel() override { manager_.cancel(); }

private:
    QSessionManager& manager_;
};

}  // namespace

void WatchSessionEnd() {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app) return;
    app->installEventFilter(new EndWithTheSession(app));
    QObject::connect(app, &QGuiApplication::commitDataRequest, app, [](QSessionManager& manager) {
        QtSessionEndRequest request(manager);
        Guarded([&] { AnswerSessionEnd(request); });
        // The user has answered: the session manager may go on.
        manager.release();
    }, Qt::DirectConnection);
}
#else
void WatchSessionEnd() {}
#endif

}  // namespace ui
