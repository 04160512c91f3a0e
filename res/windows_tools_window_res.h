// Dialog and control ids of the Windows-tools window (block 18000-18999).
#pragma once
#define IDD_WINDOWSTOOLS 18000
#define IDC_WTL_HEADING 18001
#define IDC_WTL_RECYCLEBIN 18002
#define IDC_WTL_SOFTWARE 18003
#define IDC_WTL_SYSINFO 18004
#define IDC_WTL_BACK 18005
