#include "FileTransaction.h"

#include <cinttypes>
#include <cstdio>
#include <sstream>

namespace {

constexpr std::string_view kJournalHeader = "journal 1\n";
constexpr std::string_view kJournalEnd = "end\n";

std::string InFolderOf(const std::string& journal, const std::string& name) {
    return FolderOfPath(journal) + kPathSeparator + name;
}

// What the journal says of one file.
struct CJournalEntry {
    std::string strPath;
    bool bKept = false;    // the file was there: its version is beside it
    bool bRemoved = false; // the write removes it
    std::uint64_t nSize = 0;
    std::uint64_t nHash = 0; // of the new text
};

std::string JournalText(const std::vector<CJournalEntry>& entries) {
    std::string text(kJournalHeader);
    for (const CJournalEntry& entry : entries) {
        char line[80];
        std::snprintf(line, sizeof line, "%d %d %" PRIu64 " %016" PRIx64 " ", entry.bKept ? 1 : 0,
                      entry.bRemoved ? 1 : 0, entry.nSize, entry.nHash);
        text += line + LeafOfPath(entry.strPath) + '\n';
    }
    return text += kJournalEnd;
}

// The journal's entries; false for a journal that is not whole, which no
// write moved a file after (it is made whole before the first move).
bool ParseJournal(const std::string& journal, const std::string& text,
                  std::vector<CJournalEntry>& entries) {
    if (text.rfind(kJournalHeader, 0) != 0 || text.size() < kJournalEnd.size() ||
        text.compare(text.size() - kJournalEnd.size(), kJournalEnd.size(), kJournalEnd) != 0)
        return false;
    std::istringstream lines(text.substr(kJournalHeader.size(),
                                         text.size() - kJournalHeader.size() - kJournalEnd.size()));
    for (std::string line; std::getline(lines, line);) {
        int bKept = 0, bRemoved = 0, nName = 0;
        CJournalEntry entry;
        if (std::sscanf(line.c_str(), "%d %d %" SCNu64 " %" SCNx64 " %n", &bKept, &bRemoved,
                        &entry.nSize, &entry.nHash, &nName) != 4 ||
            nName <= 0 || static_cast<std::size_t>(nName) >= line.size())
            return false;
        entry.bKept = bKept != 0;
        entry.bRemoved = bRemoved != 0;
        entry.strPath = InFolderOf(journal, line.substr(static_cast<std::size_t>(nName)));
        entries.push_back(std::move(entry));
    }
    return true;
}

bool IsFile(const std::string& path) {
    return GetPathKind(path) == EPathKind::kFile;
}

void RemoveIfThere(const std::string& path) {
    if (IsFile(path))
        RemoveFile(path);
}

// A write under way: what is beside each file, and how far it went.
class CCommit {
public:
    CCommit(const CJournalNames& names, std::span<CFileChange> changes)
        : m_names(names), m_changes(changes), m_aKept(changes.size(), false) {}

    CCommitResult Run();

private:
    std::string Temp(std::size_t n) const {
        return m_changes[n].strPath + std::string(m_names.tempSuffix);
    }
    std::string Kept(std::size_t n) const {
        return m_changes[n].strPath + std::string(m_names.keptSuffix);
    }
    CCommitResult Fail(std::size_t n, CFileResult result);
    // Puts back the files moved in, newest first, and removes what is beside
    // them; false when one could not be put back (the journal then stays).
    bool PutBack();
    CFileResult WriteJournal();

    const CJournalNames& m_names;
    std::span<CFileChange> m_changes;
    std::vector<bool> m_aKept;
    std::size_t m_nMoved = 0;
    bool m_bJournal = false;
};

CCommitResult CCommit::Fail(std::size_t n, CFileResult result) {
    CCommitResult failed{std::move(result), m_changes[n].strPath, false};
    failed.bPutBackFailed = !PutBack();
    return failed;
}

bool CCommit::PutBack() {
    bool bPutBack = true;
    for (std::size_t n = m_nMoved; n-- > 0;) {
        // A file there before comes back; one the write made goes; the
        // removal of one that was not there did nothing.
        CFileResult result;
        if (m_aKept[n])
            result = MoveFileOver(Kept(n), m_changes[n].strPath);
        else if (m_changes[n].text)
            result = RemoveFile(m_changes[n].strPath);
        bPutBack = bPutBack && result;
    }
    if (!bPutBack)
        return false;
    FlushFolder(FolderOfPath(m_names.strJournal));
    if (m_bJournal && !RemoveFile(m_names.strJournal))
        return false;
    for (std::size_t n = m_nMoved; n < m_changes.size(); ++n) {
        RemoveIfThere(Temp(n));
        if (m_aKept[n])
            RemoveIfThere(Kept(n));
    }
    return true;
}

CFileResult CCommit::WriteJournal() {
    std::vector<CJournalEntry> entries;
    for (std::size_t n = 0; n < m_changes.size(); ++n) {
        const std::optional<std::string>& text = m_changes[n].text;
        entries.push_back({m_changes[n].strPath, m_aKept[n], !text, text ? text->size() : 0,
                           text ? HashFileBytes(*text) : 0});
    }
    const std::string& journal = m_names.strJournal;
    CFileResult result = WriteTempFile(journal, m_names.tempSuffix, JournalText(entries));
    if (result) {
        result = MoveFileOver(journal + std::string(m_names.tempSuffix), journal);
        if (!result)
            RemoveIfThere(journal + std::string(m_names.tempSuffix));
    }
    m_bJournal = static_cast<bool>(result);
    return result ? FlushFolder(FolderOfPath(journal)) : result;
}

CCommitResult CCommit::Run() {
    // A write that died and could not be undone yet: its journal is the
    // only record of what to put back.
    if (IsFile(m_names.strJournal))
        return {CFileResult::Failed("a write that was interrupted is not undone yet"),
                m_names.strJournal, false};
    for (const CFileChange& change : m_changes) {
        if (IsFileReadOnly(change.strPath))
            return {{EFileStatus::kReadOnly, {}, {}}, change.strPath, false};
    }
    std::vector<CFileState> written(m_changes.size());
    for (std::size_t n = 0; n < m_changes.size(); ++n) {
        const std::optional<std::string>& text = m_changes[n].text;
        if (!text)
            continue;
        if (CFileResult result = WriteTempFile(m_changes[n].strPath, m_names.tempSuffix, *text);
            !result)
            return Fail(n, std::move(result));
        // The new file's own attributes, which the move keeps: a write by
        // someone else just after the move still shows as a change.
        written[n] = StateOfReadFile(GetFileAttributesOf(Temp(n)), *text);
    }
    for (std::size_t n = 0; n < m_changes.size(); ++n) {
        CFileState now;
        if (FileChangedSince(m_changes[n].strPath, *m_changes[n].pKnown, now))
            return Fail(n, CFileResult::Changed());
        if (now.bPresent) {
            if (CFileResult result = KeepFileAs(m_changes[n].strPath, Kept(n)); !result)
                return Fail(n, std::move(result));
            m_aKept[n] = true;
        }
    }
    if (CFileResult result = WriteJournal(); !result)
        return {std::move(result), m_names.strJournal, !PutBack()};
    for (std::size_t n = 0; n < m_changes.size(); ++n) {
        CFileChange& change = m_changes[n];
        CFileState now;
        // The last look, right before the move: a change that came since
        // the first is kept, and so is everything else.
        if (FileChangedSince(change.strPath, *change.pKnown, now))
            return Fail(n, CFileResult::Changed());
        CFileResult result;
        if (change.text)
            result = MoveFileOver(Temp(n), change.strPath);
        else if (now.bPresent)
            result = RemoveFile(change.strPath);
        if (!result)
            return Fail(n, std::move(result));
        m_nMoved = n + 1;
    }
    const std::string folder = FolderOfPath(m_names.strJournal);
    FlushFolder(folder);
    if (CFileResult result = RemoveFile(m_names.strJournal); !result)
        return {std::move(result), m_names.strJournal, !PutBack()};
    FlushFolder(folder);
    for (std::size_t n = 0; n < m_changes.size(); ++n) {
        if (m_aKept[n])
            RemoveFile(Kept(n));
        *m_changes[n].pKnown = written[n];
    }
    return {};
}

// Whether the file holds exactly the bytes of the other, both present.
bool SameBytes(const std::string& path, const std::string& other) {
    std::string a, b;
    return ReadWholeFile(path, a) && ReadWholeFile(other, b) && a == b;
}

// Puts back one file of a write that died, if the write had moved it in;
// one another program changed since is left, its kept version beside it.
CFileResult RecoverFile(const CJournalNames& names, const CJournalEntry& entry,
                        std::vector<std::string>& left) {
    const std::string kept = entry.strPath + std::string(names.keptSuffix);
    std::string now;
    const CFileResult read = ReadWholeFile(entry.strPath, now);
    const bool bMovedIn =
        entry.bRemoved ? read.status == EFileStatus::kMissing
                       : read && now.size() == entry.nSize && HashFileBytes(now) == entry.nHash;
    const bool bKeptThere = entry.bKept && IsFile(kept);
    if (bMovedIn && bKeptThere)
        return MoveFileOver(kept, entry.strPath);
    if (bMovedIn && !entry.bKept && !entry.bRemoved)
        return RemoveFile(entry.strPath); // the write made it
    if (bMovedIn || !bKeptThere || SameBytes(entry.strPath, kept))
        return {};
    left.push_back(entry.strPath);
    return MoveFileOver(kept, entry.strPath + std::string(names.leftSuffix));
}

} // namespace

CCommitResult CommitFiles(const CJournalNames& names, std::span<CFileChange> changes) {
    return CCommit(names, changes).Run();
}

CRecovery RecoverFiles(const CJournalNames& names, std::span<const std::string> paths) {
    CRecovery recovery;
    const std::string& journal = names.strJournal;
    std::string text;
    std::vector<CJournalEntry> entries;
    if (ReadWholeFile(journal, text) && ParseJournal(journal, text, entries)) {
        recovery.outcome = CRecovery::kPutBack;
        for (const CJournalEntry& entry : entries) {
            const CFileResult result = RecoverFile(names, entry, recovery.left);
            if (!result && recovery.outcome != CRecovery::kFailed) {
                recovery.outcome = CRecovery::kFailed;
                recovery.strPath = entry.strPath;
                recovery.strReason = result.strReason;
            }
        }
        if (recovery.outcome == CRecovery::kFailed)
            return recovery;
        FlushFolder(FolderOfPath(journal));
        if (CFileResult removed = RemoveFile(journal); !removed)
            return {CRecovery::kFailed, recovery.left, journal, removed.strReason};
    } else if (IsFile(journal)) {
        // A journal never made whole: no file was moved after it.
        RemoveFile(journal);
    }
    RemoveIfThere(journal + std::string(names.tempSuffix));
    for (const std::string& path : paths) {
        RemoveIfThere(path + std::string(names.tempSuffix));
        RemoveIfThere(path + std::string(names.keptSuffix));
    }
    return recovery;
}
