// Dialog and control ids of the backup window (block 4000-4999).
#pragma once
#define IDD_BACKUP 4000
#define IDC_BAK_OPTION 4001
#define IDC_BAK_AUTOREMOVE 4002
#define IDC_BAK_POINTS_CAPTION 4003
#define IDC_BAK_POINTS 4004
#define IDC_BAK_FILES 4005
#define IDC_BAK_BACK 4010
