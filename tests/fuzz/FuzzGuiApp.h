#pragma once
// Picture decoding needs a GUI application (its image plugins); the fuzzers
// that decode start one, on the offscreen platform, before the first input.
#include <QGuiApplication>

#define AUTORUN_FUZZ_WITH_GUI_APP                                   \
    extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {  \
        qputenv("QT_QPA_PLATFORM", "offscreen");                    \
        static QGuiApplication app(*argc, *argv);                   \
        return 0;                                                   \
    }
