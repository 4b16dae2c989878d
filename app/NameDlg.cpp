#include "NameDlg.h"

#include "AreaChanges.h"
#include "resource.h"

#include <utility>

CNameDlg::CNameDlg(std::string& strName, CWnd* pParent, std::string prompt)
    : CDialog(IDD_NAME, pParent), m_strName(strName), m_strPrompt(std::move(prompt)) {}

void CNameDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_EDIT_NAME, m_editName);
}

BOOL CNameDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemTextA(m_hWnd, IDC_NAME_PROMPT, m_strPrompt.c_str());
    m_editName.LimitText(static_cast<int>(kMaxNameLength));
    m_editName.SetFocus();
    if (!m_strName.empty())
        m_editName.SetWindowText(m_strName);
    return TRUE;
}

void CNameDlg::OnKillfocusName() {
    m_strName = m_editName.GetWindowText().substr(0, kMaxNameLength);
}

BEGIN_MESSAGE_MAP(CNameDlg, CDialog)
ON_EN_KILLFOCUS(IDC_EDIT_NAME, OnKillfocusName)
END_MESSAGE_MAP()
