#include "KeptKeys.h"

#include <algorithm>

std::vector<CKeptKey> KeepOtherKeys(const CProfile& profile, const CProfileSection& section,
                                    std::span<const std::string_view> known,
                                    std::span<std::optional<std::string_view>> values) {
    std::vector<CKeptKey> kept;
    // Room for every key at once when some may be others.
    const std::span<const CProfileKey> keys = profile.GetKeys(section);
    if (keys.size() > known.size())
        kept.reserve(keys.size());
    for (const CProfileKey& entry : keys) {
        auto isKnown = [&](std::string_view name) { return EqualsNoCase(entry.key, name); };
        auto found = std::find_if(known.begin(), known.end(), isKnown);
        if (found == known.end())
            kept.push_back({std::string(entry.key), std::string(entry.value)});
        else if (std::optional<std::string_view>& value = values[found - known.begin()]; !value)
            value = entry.value;
    }
    return kept;
}

void WriteKeptKeys(CProfileText& out, const std::vector<CKeptKey>& keys) {
    for (const CKeptKey& key : keys)
        out.AddKey(key.strKey, key.strValue);
}
