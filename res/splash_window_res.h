// Dialog and control ids of the splash and survey windows (blocks 8000 and 9000).
#pragma once
#define IDD_SPLASH 8000
#define IDC_SPL_TITLE 8001
#define IDC_SPL_PICTURE 8002
#define IDD_SURVEY 9000
#define IDC_SUR_TEXT 9001
#define IDC_SUR_LINK 9002
#define IDC_SUR_CLOSE 9003
