#pragma once
// What the main window's menu code shares: the item range of a menu page.
#include "startup/MenuItem.h"
#include <QStringList>
#include <cstdint>

// The items of menu page `page` (from 1), from the newloop entries. Raises
// ui::RuntimeError when the page has no entry, and the errors of
// startup::ParseRange for an entry that is no range.
startup::PageRange PageItems(const QStringList& newLoops, int16_t page);
