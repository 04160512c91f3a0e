// Dialog and control ids of the update-uninstall selection window (block 17050-17099).
#pragma once
#define IDD_UPDATEUNINSTALLSELECT 17050
#define IDC_UUS_HEADING 17051
#define IDC_UUS_LIST 17052
#define IDC_UUS_BACK 17053
#define IDC_UUS_GOON 17054
