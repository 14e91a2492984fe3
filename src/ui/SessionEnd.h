#pragma once
// The end of the desktop session (logging off, shutting down) is one more
// request to close the program's windows: each loaded form is asked to unload
// with the cause vbAppWindows, so it asks the user what it asks for any other
// close. A form that declines calls the end of the session off. When the
// session manager gives no leave to ask, nothing is asked: the program holds
// nothing to save and ends with the session.

namespace ui {

// What the session manager offers during its request (QSessionManager on the
// real platform).
class SessionEndRequest {
public:
    virtual ~SessionEndRequest() = default;
    // True when the user may be asked now.
    virtual bool allowsInteraction() = 0;
    // Calls the end of the session off.
    virtual void cancel() = 0;
};

void AnswerSessionEnd(SessionEndRequest& request);

// Answers the desktop session's end requests of the running application, and
// ends the program without asking again when the session is over.
void WatchSessionEnd();

}  // namespace ui
