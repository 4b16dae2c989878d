#pragma once

// Asks for one name. The caller's string brings the proposed name in and
// takes the typed one out; the field accepts at most kMaxNameLength
// characters. The prompt beside the field says what the name is for.

#include "Controls.h"
#include "Dialog.h"

#include <string>

class CNameDlg : public CDialog {
public:
    explicit CNameDlg(std::string& strName, CWnd* pParent = nullptr, std::string prompt = "Name");

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // The field hands its text over each time it loses the focus, which it
    // also does when the dialog ends (the dialog is hidden first).
    void OnKillfocusName();

    DECLARE_MESSAGE_MAP()

private:
    CEdit m_editName;
    std::string& m_strName;
    std::string m_strPrompt;
};
