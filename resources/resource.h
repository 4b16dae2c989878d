#pragma once

// Identifiers of the program's resources and of the controls of its dialogs.

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_TARNWICK_DIALOG 102
#define IDS_CHECK_LIBRARY 103
#define IDS_UNDO 104
#define IDS_REDO 105
#define IDS_AIRPORTS 106
#define IDR_MAINFRAME 128
#define IDD_NAME 129
#define IDB_TREE 130
#define IDI_ARROW_RIGHT 131
#define IDI_ARROW_LEFT 132
#define IDI_FIND 133
#define IDD_AIRPORTS 134
#define IDD_INDEX_PROGRESS 135
#define IDB_TREE_150 136
#define IDB_TREE_200 137

// Commands of the main window's system menu: the system keeps the low four
// bits for itself.
#define IDM_ABOUTBOX 0x0010
#define IDM_CHECK_LIBRARY 0x0020
#define IDM_UNDO 0x0030
#define IDM_REDO 0x0040
#define IDM_AIRPORTS 0x0050

#define IDC_LIST_SCENERY 1000
#define IDC_TREE_FOLDERS 1001
#define IDC_NEW_FOLDER 1002
#define IDC_ADD_TO_FOLDER 1003
#define IDC_REMOVE_FROM_FOLDER 1004
#define IDC_SAVE 1005
#define IDC_ADD_SCENERY 1006
#define IDC_REMOVE_SCENERY 1007
#define IDC_REMOVE_FOLDER 1008
#define IDC_RENAME_SCENERY 1009
#define IDC_RENAME_FOLDER 1010
#define IDC_SCAN_DIRECTORY 1011
#define IDC_EDIT_FIND 1012
#define IDC_FIND 1013

#define IDC_EDIT_NAME 1004

#define IDC_AIRPORT_LIST 1000
#define IDC_AIRPORT_FILTER 1001
#define IDC_CONFLICTS_ONLY 1002
#define IDC_SHOW_IN_LIST 1003

#define IDC_INDEX_PROGRESS 1000
