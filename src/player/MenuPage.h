#pragma once
// What the main window's menu code shares: the item range of a menu page and
// the arrow's place beside an item.
#include "startup/MenuItem.h"
#include <QPoint>
#include <QSize>
#include <QStringList>
#include <cstdint>

// The items of menu page `page` (from 1), from the newloop entries. Raises
// ui::RuntimeError when the page has no entry, and the errors of
// startup::ParseRange for an entry that is no range.
startup::PageRange PageItems(const QStringList& newLoops, int16_t page);

// The arrow's top-left corner beside an item: 5 pixels left of it, centred on
// its height (rounded half to even).
QPoint ArrowBeside(const startup::MenuRect& item, QSize arrow);
