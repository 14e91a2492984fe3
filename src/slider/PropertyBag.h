#pragma once
// The stored property set a host keeps for a control: typed values under
// names, in the order they were written. WriteProperty leaves out a value equal
// to its default, so a stored set holds only what differs from the defaults.
#include "ui/Picture.h"
#include <QString>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace slider {

// int32_t: 32-bit values and colours; int16_t: 16-bit values.
using PropertyValue = std::variant<int32_t, int16_t, bool, QString, ui::Picture>;

// Same type and same value; two pictures are equal when both are none or when
// they share the same pixels.
bool SamePropertyValue(const PropertyValue& a, const PropertyValue& b);

class PropertyBag {
public:
    struct Entry {
        QString name;
        PropertyValue value;
    };

    // Appends (or replaces) the value under name unless it equals defaultValue,
    // in which case any stored value under that name is removed.
    void WriteProperty(const QString& name, const PropertyValue& value, const PropertyValue& defaultValue);
    // The stored value, or defaultValue when the name is absent.
    PropertyValue ReadProperty(const QString& name, const PropertyValue& defaultValue) const;
    std::optional<PropertyValue> find(const QString& name) const;

    const std::vector<Entry>& entries() const { return entries_; }
    bool empty() const { return entries_.empty(); }

private:
    std::vector<Entry> entries_;
};

}  // namespace slider
