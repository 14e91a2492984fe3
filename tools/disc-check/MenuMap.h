#pragma once
// Pictures of the menu pages with their items drawn on them: each item's
// rectangle outlined in the colour of its word and labelled with its number,
// and the arrow where setArrow places it when the page is shown.
#include "DiscReport.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

namespace disccheck {

// The colour of an action word: "url" blue, "redirect" orange, "header"
// purple, "laster" grey; the disc's own words green and other fixed colours.
QColor WordColour(const QString& word);

// The map of menu page `page` (from 1); a null image when the page's picture
// cannot be loaded.
QImage DrawMenuMap(const DiscReport& report, int page);

// Writes page1.png, page2.png, ... into the folder (made when missing).
// Returns the files written; pages that could not be drawn or written are
// listed in failures.
QStringList WriteMenuMaps(const DiscReport& report, const QString& outFolder, QStringList* failures);

}  // namespace disccheck
