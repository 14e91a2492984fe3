#include "startup/KeyedTable.h"

#include "ui/Errors.h"

void KeyedTable::Add(const QString& key, const QString& value) {
    const QString folded = Fold(key);
    if (index_.contains(folded))
        throw ui::RuntimeError(QStringLiteral("The key \"%1\" is already in the table").arg(key));
    index_.insert(folded, Count());
    entries_.emplace_back(key, value);
}

const QString& KeyedTable::Item(const QString& key) const {
    const auto it = index_.constFind(Fold(key));
    if (it == index_.constEnd())
        throw ui::RuntimeError(QStringLiteral("The key \"%1\" is not in the table").arg(key));
    return entries_[static_cast<size_t>(*it)].second;
}

bool KeyedTable::Exists(const QString& key) const { return index_.contains(Fold(key)); }

QStringList KeyedTable::Keys() const {
    QStringList keys;
    keys.reserve(Count());
    for (const auto& entry : entries_) keys.append(entry.first);
    return keys;
}

void KeyedTable::Clear() {
    entries_.clear();
    index_.clear();
}
