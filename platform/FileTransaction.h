#pragma once

// One write over several files of one folder that changes every one of them
// or none, also when the writer dies midway (a rollback journal, as
// databases commit across files). Each file's new text is written beside it
// first; its present version is kept beside it too, and a journal naming
// them is flushed to the disk before the first file is replaced. Removing
// the journal is the moment the write happened. Whoever takes the folder's
// lock next and finds a journal puts back what the dead writer had moved in
// (RecoverFiles). The caller holds that lock throughout.

#include "FileState.h"
#include "Files.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The names of the files a write leaves beside the ones it changes.
struct CJournalNames {
    std::string strJournal;      // the journal, in the files' folder
    std::string_view tempSuffix; // the new text, until it is moved in
    std::string_view keptSuffix; // the version a write replaces, until it is done
    // The version from before an interrupted write, left for the user
    // beside a file another program changed since.
    std::string_view leftSuffix;
};

struct CFileChange {
    std::string strPath;             // a file of the journal's folder
    std::optional<std::string> text; // its new text; none: the file is removed
    CFileState* pKnown = nullptr;    // what it must still be; then what was written
};

struct CCommitResult {
    // kOk; kChanged (another program changed the file), kReadOnly or
    // kFailed, with nothing written.
    CFileResult result;
    std::string strPath; // the file it is about
    // A file moved in could not be put back after a failure: the journal
    // stays for the next holder of the lock, and the files may be mixed
    // until then.
    bool bPutBackFailed = false;
};

// Replaces or removes the files, in their order, each only while it is as
// known (looked at before anything is kept and again right before its
// move), none that is read-only.
CCommitResult CommitFiles(const CJournalNames& names, std::span<CFileChange> changes);

// What a holder of the lock found of an interrupted write.
struct CRecovery {
    enum EOutcome {
        kNone,    // no journal
        kPutBack, // every file is as before the write, but those in left
        kFailed,  // a put-back failed (strPath, strReason): the journal stays
    };
    EOutcome outcome = kNone;
    // Files another program changed since the write: left as they are, their
    // versions from before it beside them (path + leftSuffix).
    std::vector<std::string> left;
    std::string strPath;
    std::string strReason;
};

// Finishes an interrupted write, if there is one, and removes what writes
// leave beside the files (new texts, kept versions without a journal).
CRecovery RecoverFiles(const CJournalNames& names, std::span<const std::string> paths);
