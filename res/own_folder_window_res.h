// Dialog and control ids of the own-folder window (block 6000-6999).
#pragma once
#define IDD_OWNFOLDERS 6000
#define IDC_OWN_LIST 6001
#define IDC_OWN_ADD 6002
#define IDC_OWN_DELETE 6003
#define IDC_OWN_DELETEALL 6004
#define IDC_OWN_FIND 6005
#define IDC_OWN_BACK 6006
