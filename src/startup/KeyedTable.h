#pragma once
// Text values under text keys, kept in the order they were added. Keys compare
// without regard to case. Adding a key that is present, or asking for one that
// is absent, raises ui::RuntimeError naming the key.
#include <QHash>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

class KeyedTable {
public:
    void Add(const QString& key, const QString& value);
    const QString& Item(const QString& key) const;
    bool Exists(const QString& key) const;
    int Count() const { return static_cast<int>(entries_.size()); }
    // The keys as they were added, in that order.
    QStringList Keys() const;
    void Clear();

private:
    static QString Fold(const QString& key) { return key.toCaseFolded(); }
    std::vector<std::pair<QString, QString>> entries_;  // key as added, value
    QHash<QString, int> index_;                          // folded key -> entry
};
