#pragma once
// How the windows open one another without knowing each other's code: the
// entry point fills these in; start-up, the intro window and the main window
// call them.
#include <functional>

struct WindowOpeners {
    // Load the intro window, repaint it, show it (not modal), call PlayHeader.
    std::function<void()> openIntro;
    // Load the main window, repaint it, show it (not modal), ReadFaceList, show
    // the first menu picture (FacePath) in its picture area, setArrow,
    // SetEnable(False).
    std::function<void()> openMainWindow;
    // Load a fresh intro window, show it, call PlayLaster.
    std::function<void()> playOutro;
};

WindowOpeners& Openers();
