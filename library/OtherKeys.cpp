#include "OtherKeys.h"

#include <algorithm>

std::vector<COtherKey> KeepOtherKeys(const CIniText& profile, const CIniSection& section,
                                     std::span<const std::string_view> known,
                                     std::span<std::optional<std::string_view>> values) {
    std::vector<COtherKey> kept;
    // Room for every key at once when some may be others.
    const std::span<const CIniKey> keys = profile.GetKeys(section);
    if (keys.size() > known.size())
        kept.reserve(keys.size());
    for (const CIniKey& entry : keys) {
        auto isKnown = [&](std::string_view name) { return EqualsNoCase(entry.key, name); };
        auto found = std::find_if(known.begin(), known.end(), isKnown);
        if (found == known.end())
            kept.push_back({std::string(entry.key), std::string(entry.value)});
        else if (std::optional<std::string_view>& value = values[found - known.begin()]; !value)
            value = entry.value;
    }
    return kept;
}

void WriteOtherKeys(CIniWriter& out, const std::vector<COtherKey>& keys) {
    for (const COtherKey& key : keys)
        out.AddKey(key.strKey, key.strValue);
}
