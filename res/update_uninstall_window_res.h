// Dialog and control ids of the update-uninstall folders window (block 17000-17049).
#pragma once
#define IDD_UPDATEUNINSTALL 17000
#define IDC_UUN_HEADING 17001
#define IDC_UUN_TEXT 17002
#define IDC_UUN_BACK 17003
#define IDC_UUN_GOON 17004
