#include "NameDlg.h"

#include "resource.h"

CNameDlg::CNameDlg(std::string& strName, int nMaxName, CWnd* pParent)
    : CDialog(IDD_NAME, pParent), m_strName(strName), m_nMaxName(nMaxName) {}

void CNameDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_EDIT_NAME, m_editName);
}

BOOL CNameDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_editName.LimitText(m_nMaxName - 1);
    m_editName.SetFocus();
    if (!m_strName.empty())
        m_editName.SetWindowText(m_strName);
    return TRUE;
}

void CNameDlg::OnKillfocusName() {
    m_strName = m_editName.GetWindowText().substr(0, static_cast<std::size_t>(m_nMaxName - 1));
}

BEGIN_MESSAGE_MAP(CNameDlg, CDialog)
ON_EN_KILLFOCUS(IDC_EDIT_NAME, OnKillfocusName)
END_MESSAGE_MAP()
