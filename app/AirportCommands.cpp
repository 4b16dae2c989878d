// The main window's airports: the reading behind the progress dialog, which
// the health check shares, and the Airports dialog.

#include "ManagerDlg.h"

#include "AirportCache.h"
#include "resource.h"

#include <utility>

bool CManagerDlg::IndexAirports(CAirportIndex& index) {
    CIndexProgressDlg progress(AirportIndexWork(), this);
    if (progress.DoModal() != IDOK)
        return false;
    index = std::move(progress.Index());
    return true;
}

CIndexWork CManagerDlg::AirportIndexWork() const {
    return [areas = m_doc.AirportAreas(), simPath = m_doc.SimPath(), pDisk = &m_doc.Disk(),
            cachePath =
                CAirportCache::PathFor(m_doc.SimPath())](const CIndexProgress& progress) mutable {
        return IndexLibraryAirports(std::move(areas), simPath, *pDisk, cachePath, progress);
    };
}

void CManagerDlg::OnAirports() {
    if (!IsLibraryOpen("airports", "Airports"))
        return;
    CAirportIndex index;
    if (!IndexAirports(index))
        return;
    CAirportsDlg airports(index, this);
    if (RunAirportsDlg(airports) == IDC_SHOW_IN_LIST) {
        m_listScenery.SetCurSel(m_doc.RowOf(airports.ShownArea()));
        m_listScenery.SetFocus();
    }
}
