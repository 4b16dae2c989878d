// The main window's profiles: the Profiles dialog, whose applied profiles
// show in the list and the tree at once.

#include "ManagerDlg.h"

void CManagerDlg::OnProfiles() {
    if (!IsLibraryOpen("profiles", "Profiles"))
        return;
    // Saving profiles over a file that could not be read would lose the
    // user's own, so none are offered until it is mended.
    if (const CSaveResult refused = m_doc.ProfilesUnreadable();
        refused.outcome != CSaveResult::kWritten) {
        ShowError(refused.strPath + " could not be read at start-up (" + refused.strReason +
                  "), so profiles cannot be used until it is mended.");
        return;
    }
    CProfilesDlg profiles(
        m_doc, [this](const CChanges& changes) { ShowChanges(changes); }, this);
    RunProfilesDlg(profiles);
}
