#pragma once

// The folder tree: the standard tree view, nothing added to it.

#include "Controls.h"

class CFolderTreeCtrl : public CTreeCtrl {};
