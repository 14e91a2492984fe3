#include "ui/SessionEnd.h"
#include "ui/Form.h"
#include "ui/Guard.h"
#include <QApplication>
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
