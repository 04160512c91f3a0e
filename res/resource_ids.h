// Ids of the program's icons and other shared resources (dialog ids live in each window's header).
#pragma once
#define IDI_APP 1
#define IDI_DONE_MARK 10
#define IDI_CLASS_JUNK 11
#define IDI_CLASS_OTHER 12
#define IDI_CLASS_RISKY 13
