#include "slider/PropertyBag.h"

#include <algorithm>
#include <type_traits>

namespace slider {

bool SamePropertyValue(const PropertyValue& a, const PropertyValue& b) {
    if (a.index() != b.index()) return false;
    return std::visit(
        [&](const auto& va) -> bool {
            using T = std::decay_t<decltype(va)>;
            const T& vb = std::get<T>(b);
            if constexpr (std::is_same_v<T, ui::Picture>) {
                if (va.isNull() || vb.isNull()) return va.isNull() == vb.isNull();
                return va.image().cacheKey() == vb.image().cacheKey();
            } else {
                return va == vb;
            }
        },
        a);
}

void PropertyBag::WriteProperty(const QString& name, const PropertyValue& value, const PropertyValue& defaultValue) {
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.name == name; });
    if (SamePropertyValue(value, defaultValue)) {
        if (it != entries_.end()) entries_.erase(it);
        return;
    }
    if (it != entries_.end())
        it->value = value;
    else
        entries_.push_back({name, value});
}

std::optional<PropertyValue> PropertyBag::find(const QString& name) const {
    for (const Entry& e : entries_)
        if (e.name == name) return e.value;
    return std::nullopt;
}

PropertyValue PropertyBag::ReadProperty(const QString& name, const PropertyValue& defaultValue) const {
    return find(name).value_or(defaultValue);
}

}  // namespace slider
