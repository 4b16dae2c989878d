#pragma once

// The help tips over the main dialog's controls.

#include "Controls.h"

class CHelpToolTipCtrl : public CToolTipCtrl {
public:
    // Registers the control as a tool showing the text (which the tooltip
    // control copies); the control's own window handle is the tool.
    LRESULT AddControlTip(HWND hControl, const char* pszText);
};
