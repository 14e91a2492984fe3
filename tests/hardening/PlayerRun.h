#pragma once
// The player as its entry point wires it: start-up opens the intro window or
// the main window, the intro hands over to the main window, closing asks and
// then plays the outro, and the program ends with its last window. Driven by
// mouse events sent to the real widgets, on whichever platform is installed;
// the test supplies the wait (virtual time on the simulated platform,
// wall-clock time on the real one).
#include "intro/frmFlash.h"
#include "player/mForm.h"
#include "support/DiscFixture.h"
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

namespace hardening {

// AUTORUN.INF of a one-page disc: face1.jpg, the header and laster values as
// given, and one menu item for each action ("lesson,a.wmv", "url,x"), one
// under the other.
QByteArray discIni(const QString& header, const QString& laster, const QStringList& actions);
// The whole skin, face1.jpg and that AUTORUN.INF.
void writeDisc(fixture::DiscFixture& disc, const QString& header, const QString& laster, const QStringList& actions);

// The middle of menu item n (from 1), in picPlay's pixels.
constexpr QPoint itemPoint(int n) { return {100, 35 + 70 * (n - 1)}; }
inline constexpr QPoint kLessonItem = itemPoint(1);

// Answers the closing question with OK, as a person does: the pointer over
// Cancel, then over OK, and a click.
void answerOk(ui::Form& dialog);

class PlayerRun {
public:
    // Lets time pass until done() holds or `seconds` are spent; returns done().
    using Wait = std::function<bool(const std::function<bool()>& done, double seconds)>;

    // Makes `disc` the application folder and wires the openers.
    PlayerRun(const fixture::DiscFixture& disc, Wait wait);
    // Destroys what is left of the windows and puts the shared state back.
    ~PlayerRun();
    PlayerRun(const PlayerRun&) = delete;
    PlayerRun& operator=(const PlayerRun&) = delete;

    // Start-up as the entry point runs it: a failure becomes the error report.
    void start();
    bool wait(const std::function<bool()>& done, double seconds) { return wait_(done, seconds); }

    // The main window loaded with no lesson in it.
    bool menuShown() const;
    bool lessonPlaying() const;
    bool ended() const;
    mForm& window() const;

    // Hovers over and clicks a menu item (item 1 unless told).
    void clickLesson(QPoint at = kLessonItem);
    // Hovers over every button and label of the window and then the background.
    void hoverEverything();
    // While a lesson plays: hover over stop; mute, pause, play and sound on.
    void useTransport();
    // A press and release on the seek bar at a fraction of its width.
    void seek(double fraction);
    // The close button, answered as the platform's modal hook answers.
    void close();

    int introsOpened = 0;
    int outrosOpened = 0;
    QPointer<frmFlash> intro;  // the intro window while it lives
    QPointer<frmFlash> outro;  // the outro window while it lives

private:
    Wait wait_;
};

}  // namespace hardening
