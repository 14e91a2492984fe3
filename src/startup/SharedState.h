#pragma once
// The state shared by all windows for the whole run. HeaderFiles, LasterFiles,
// MenuRects and MenuActions are fixed after start-up; HeaderIndex, LasterIndex,
// FaceFiles and FacePath change as the windows go.
#include "startup/KeyedTable.h"
#include <QString>
#include <QStringList>
#include <cstdint>

struct SharedState {
    QString IniFile;            // AppFolder + "AUTORUN.INF"
    QStringList HeaderFiles;    // intro list (never empty)
    int16_t HeaderIndex = 0;    // next intro entry (intro window) / entry playing (main window)
    QStringList LasterFiles;    // outro list (never empty)
    int16_t LasterIndex = 0;    // next outro entry
    QStringList FaceFiles;      // menu pictures, entry n - 1 for page n
    QString FacePath;           // AppFolder + FaceFiles(0)
    KeyedTable MenuRects;       // item key -> rectangle text
    KeyedTable MenuActions;     // item key -> action text
};

// The one shared state of the process.
SharedState& Shared();
// Back to the empty state of a new process (tests).
void ResetSharedState();
