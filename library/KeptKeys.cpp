#include "KeptKeys.h"

#include <algorithm>

std::vector<CKeptKey> KeepOtherKeys(const CProfile& profile, const CProfileSection& section,
                                    std::initializer_list<std::string_view> known) {
    std::vector<CKeptKey> kept;
    for (const CProfileKey& entry : profile.GetKeys(section)) {
        auto isKnown = [&](std::string_view name) { return EqualsNoCase(entry.key, name); };
        if (std::none_of(known.begin(), known.end(), isKnown))
            kept.push_back({std::string(entry.key), std::string(entry.value)});
    }
    return kept;
}

void WriteKeptKeys(CProfileText& out, const std::vector<CKeptKey>& keys) {
    for (const CKeptKey& key : keys)
        out.AddKey(key.strKey, key.strValue);
}
