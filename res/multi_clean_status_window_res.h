// Dialog and control ids of the multi-clean status window (block 22000-22099).
#pragma once
#define IDD_MULTICLEANSTATUS 22000
#define IDC_MCS_STEP 22001
#define IDC_MCS_CANCEL 22002
