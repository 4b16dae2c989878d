#include "AirportCache.h"

#include "FileState.h"
#include "Settings.h"
#include "SimulatorLocation.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// The first bytes of every cache file, and the version of its layout: a
// file of another version is rebuilt, never read.
constexpr std::string_view kMagic = "Tarnwick airport cache\n";
constexpr std::uint32_t kVersion = 3;
// The fewest bytes an entry takes in the file (a path, its attributes, and
// contents of no reason and no airports), so that a damaged count cannot make
// room for more entries than the text holds.
constexpr std::size_t kLeastEntryBytes = 4 + 5 * 8 + 1 + 4 + 8 + 4 + 2 + 8 + 4 + 1 + 4;

class CWriter {
public:
    void Number(std::uint64_t nValue, std::size_t nBytes) {
        for (std::size_t n = 0; n < nBytes; ++n)
            m_text += static_cast<char>(nValue >> (8 * n) & 0xFF);
    }
    void Text(std::string_view text) {
        Number(text.size(), 4);
        m_text += text;
    }
    void Real(double dValue) {
        std::uint64_t nBits = 0;
        std::memcpy(&nBits, &dValue, sizeof nBits);
        Number(nBits, 8);
    }
    std::string& Result() { return m_text; }

private:
    std::string m_text;
};

// Reads what CWriter wrote; once anything is missing every read fails.
class CReader {
public:
    explicit CReader(std::string_view text) : m_text(text) {}
    bool Ok() const { return m_bOk; }
    bool AtEnd() const { return m_text.empty(); }
    std::uint64_t Number(std::size_t nBytes) {
        if (!Take(nBytes))
            return 0;
        std::uint64_t nValue = 0;
        for (std::size_t n = 0; n < nBytes; ++n)
            nValue |= static_cast<std::uint64_t>(static_cast<unsigned char>(m_taken[n])) << (8 * n);
        return nValue;
    }
    std::string Text() {
        const std::uint64_t nSize = Number(4);
        return Take(nSize) ? std::string(m_taken) : std::string();
    }
    double Real() {
        const std::uint64_t nBits = Number(8);
        double dValue = 0;
        std::memcpy(&dValue, &nBits, sizeof dValue);
        return dValue;
    }

private:
    bool Take(std::uint64_t nSize) {
        m_bOk = m_bOk && nSize <= m_text.size();
        if (!m_bOk)
            return false;
        m_taken = m_text.substr(0, static_cast<std::size_t>(nSize));
        m_text.remove_prefix(static_cast<std::size_t>(nSize));
        return true;
    }

    std::string_view m_text;
    std::string_view m_taken;
    bool m_bOk = true;
};

void WriteContents(CWriter& out, const CBglContents& contents) {
    out.Number(static_cast<std::uint64_t>(contents.kind), 1);
    out.Text(contents.strReason);
    out.Number(contents.nOffset, 8);
    out.Number(contents.nLaterRecords, 4);
    out.Number(contents.nLaterId, 2);
    out.Number(contents.nLaterOffset, 8);
    out.Number(contents.nBeforeFault, 4);
    out.Number(contents.aBeforeFault.size(), 1);
    for (const std::string& ident : contents.aBeforeFault)
        out.Text(ident);
    out.Number(contents.airports.size(), 4);
    for (const CAirportRecord& airport : contents.airports) {
        out.Text(airport.strIdent);
        out.Text(airport.strName);
        out.Real(airport.dLatitude);
        out.Real(airport.dLongitude);
        out.Number(airport.bDeletes, 1);
        out.Number(airport.nDeleteFlags, 2);
        out.Number(airport.nOffset, 8);
    }
}

bool ReadContents(CReader& in, CBglContents& contents) {
    const std::uint64_t nKind = in.Number(1);
    if (nKind > static_cast<std::uint64_t>(EBglKind::kDamaged))
        return false;
    contents.kind = static_cast<EBglKind>(nKind);
    contents.strReason = in.Text();
    contents.nOffset = in.Number(8);
    contents.nLaterRecords = static_cast<std::uint32_t>(in.Number(4));
    contents.nLaterId = static_cast<std::uint16_t>(in.Number(2));
    contents.nLaterOffset = in.Number(8);
    contents.nBeforeFault = static_cast<std::uint32_t>(in.Number(4));
    const std::uint64_t nNamed = in.Number(1);
    for (std::uint64_t n = 0; n < nNamed && in.Ok(); ++n)
        contents.aBeforeFault.push_back(std::string(in.Text()));
    const std::uint64_t nAirports = in.Number(4);
    for (std::uint64_t n = 0; n < nAirports && in.Ok(); ++n) {
        CAirportRecord airport;
        airport.strIdent = in.Text();
        airport.strName = in.Text();
        airport.dLatitude = in.Real();
        airport.dLongitude = in.Real();
        airport.bDeletes = in.Number(1) != 0;
        airport.nDeleteFlags = static_cast<std::uint16_t>(in.Number(2));
        airport.nOffset = in.Number(8);
        contents.airports.push_back(std::move(airport));
    }
    return in.Ok();
}

// Windows takes either separator.
std::string FolderOf(const std::string& path) {
    const std::size_t nSeparator = path.find_last_of(kPathSeparator == '\\' ? "\\/" : "/");
    return nSeparator == std::string::npos ? std::string() : path.substr(0, nSeparator);
}

} // namespace

std::string CAirportCache::PathFor(const std::string& simPath) {
    const std::string root = GetCacheFolder();
    if (root.empty())
        return {};
    char name[40];
    std::snprintf(name, sizeof name, "airports-%016llx.cache",
                  static_cast<unsigned long long>(HashFileBytes(simPath)));
    return root + kPathSeparator + "Tarnwick" + kPathSeparator + name;
}

void CAirportCache::Load(const std::string& path, const std::string& simPath) {
    m_strPath = path;
    m_strSimPath = simPath;
    m_entries.clear();
    std::string text;
    if (ReadWholeFile(path, text))
        Deserialize(text);
    m_bChanged = false;
}

bool CAirportCache::Take(const std::string& path, CFileAttributes& state, CBglContents& contents) {
    const auto it = m_entries.find(path);
    if (it == m_entries.end())
        return false;
    CEntry& entry = it->second;
    if (!state.bPresent)
        state = GetFileAttributesOf(path);
    const CFileAttributes& known = entry.state;
    if (!state.bPresent || state.nSize != known.nSize || state.nWriteTime != known.nWriteTime ||
        state.nChangeTime != known.nChangeTime || state.nFileId != known.nFileId ||
        state.nVolume != known.nVolume)
        return false;
    contents = entry.pShared ? *entry.pShared : std::move(entry.contents);
    entry.pShared = &contents;
    entry.bUsed = true;
    return true;
}

void CAirportCache::Put(const std::string& path, const CFileAttributes& state,
                        const CBglContents& contents, std::uint64_t nListedAt) {
    const bool bRacilyClean =
        state.nWriteTime >= nListedAt || nListedAt - state.nWriteTime < 2 * kFileTimeSecond;
    if (contents.kind == EBglKind::kUnreadable || contents.bStopped || !state.bPresent ||
        state.nSize == kUnknownSize || bRacilyClean) {
        m_bChanged = m_entries.erase(path) > 0 || m_bChanged;
        return;
    }
    m_entries[path] = {state, {}, &contents, true};
    m_bChanged = true;
}

void CAirportCache::DropUnused() {
    m_bChanged =
        std::erase_if(m_entries, [](const auto& entry) { return !entry.second.bUsed; }) > 0 ||
        m_bChanged;
}

CFileResult CAirportCache::Save() {
    if (!m_bChanged || m_strPath.empty())
        return {};
    const std::string folder = FolderOf(m_strPath);
    MakeFolder(FolderOf(folder));
    if (CFileResult made = MakeFolder(folder); !made)
        return made;
    CFileResult result = ReplaceFileAtomically(m_strPath, Serialize(), kTempSuffix);
    m_bChanged = !result;
    return result;
}

std::string CAirportCache::Serialize() const {
    CWriter out;
    out.Result() += kMagic;
    out.Number(kVersion, 4);
    out.Text(m_strSimPath);
    out.Number(m_entries.size(), 4);
    for (const auto& [path, entry] : m_entries) {
        out.Text(path);
        out.Number(entry.state.nSize, 8);
        out.Number(entry.state.nWriteTime, 8);
        out.Number(entry.state.nChangeTime, 8);
        out.Number(entry.state.nFileId, 8);
        out.Number(entry.state.nVolume, 8);
        WriteContents(out, entry.Contents());
    }
    // A file cut short or changed by hand shows as a wrong sum.
    const std::uint64_t nSum = HashFileBytes(out.Result());
    out.Number(nSum, 8);
    return std::move(out.Result());
}

bool CAirportCache::Deserialize(std::string_view text) {
    m_entries.clear();
    if (!text.starts_with(kMagic) || text.size() < kMagic.size() + 8)
        return false;
    const std::string_view body = text.substr(0, text.size() - 8);
    CReader sum(text.substr(body.size()));
    if (sum.Number(8) != HashFileBytes(body))
        return false;
    CReader in(body.substr(kMagic.size()));
    if (in.Number(4) != kVersion || in.Text() != m_strSimPath)
        return false;
    const std::uint64_t nEntries = in.Number(4);
    // Room for all of them at once: growing the table rehashes every entry.
    m_entries.reserve(static_cast<std::size_t>(
        std::min<std::uint64_t>(nEntries, text.size() / kLeastEntryBytes)));
    for (std::uint64_t n = 0; n < nEntries && in.Ok(); ++n) {
        std::string path = in.Text();
        CEntry entry;
        entry.state.bPresent = true;
        entry.state.nSize = in.Number(8);
        entry.state.nWriteTime = in.Number(8);
        entry.state.nChangeTime = in.Number(8);
        entry.state.nFileId = in.Number(8);
        entry.state.nVolume = in.Number(8);
        if (!ReadContents(in, entry.contents))
            break;
        m_entries[std::move(path)] = std::move(entry);
    }
    if (!in.Ok() || !in.AtEnd()) {
        m_entries.clear();
        return false;
    }
    return true;
}
