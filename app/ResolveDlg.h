#pragma once

// Making one definition of an airport the one the simulator uses. The
// airport's definitions are listed in load order; for the area of the one
// selected, the dialog shows what ResolveAirport works out: the change in
// words, the ways it offers as a choice, the areas switching the others off
// would take with them, and the other airports the chosen way changes. It
// decides nothing itself. Apply ends it with IDOK, Change() being the
// change to make.

#include "Controls.h"
#include "Dialog.h"
#include "Resolution.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

class CResolveDlg : public CDialog {
public:
    // The index and the airports outlive the dialog.
    CResolveDlg(const CAirportIndex& index, const std::vector<CAirport>& airports,
                std::size_t nAirport, CWnd* pParent = nullptr);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The change of the chosen way; empty when there is none to make.
    const CRearrangement& Change() const { return m_resolution.Way(m_chosen).change; }

    CListCtrl m_listDefinitions;
    CListCtrl m_listEffects;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Apply, while there is a change to make.
    void OnOK() override;
    void OnUpdateApply(CCmdUI* pCmdUI);
    void OnWay();
    void OnUpdateWay(CCmdUI* pCmdUI);
    void OnDefinitionChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    using CRow = std::array<std::string, 4>;

    // The proposal for the area of the definition in that row, its proposed
    // way chosen.
    void Resolve(int nDefinition);
    // The chosen way in words, with the airports it changes.
    void ShowWay();
    bool IsOffered(EResolution kind) const;
    // A change to make, for a definition selected.
    bool CanApply() const;

    const CAirportIndex& m_index;
    const std::vector<CAirport>& m_airports;
    std::size_t m_nAirport;
    CResolution m_resolution;
    EResolution m_chosen = EResolution::kMoveUse;
    std::vector<CRow> m_definitionRows;
    std::vector<CRow> m_effectRows;
};
