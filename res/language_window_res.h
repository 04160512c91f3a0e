// Dialog and control ids of the language window (block 7000-7999).
#pragma once
#define IDD_LANGUAGE 7000
#define IDC_LNG_PROMPT 7001
#define IDC_LNG_LIST 7002
#define IDC_LNG_CONFIRM 7003
#define IDC_LNG_BUSY 7004
#define IDC_LNG_BUSYBAR 7005
