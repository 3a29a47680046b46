/* The ids of the Windows program's resources and dialog controls, shared by the
   resource script and the code. */
#pragma once

#define IDD_ABOUT 100
#define IDS_ABOUT_MENU 101
#define IDD_SEARCH 102
#define IDS_CLOSEST_FIRST_MENU 103
#define IDI_MAIN 128

#define IDC_WORD 1000
#define IDC_GO 1002
#define IDC_ABOUT 1003
#define IDC_RESULTS 1004
#define IDC_HELP_BUTTON 1005
#define IDC_COPY 1006

/* The system menu's own items; the system keeps the ids below 0xF000 free, and
   uses the lowest four bits of a command's id itself. */
#define IDM_ABOUT 16
#define IDM_CLOSEST_FIRST 32

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
