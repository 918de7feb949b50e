// Resource numbers of Tolvane.exe. Plain numbers only, so that portable code
// may name the controls without any Windows header.
#pragma once

// The main window and its file-pick icon.
#define IDD_MAIN 100
#define IDI_FILEPICK 101

// The controls of the main window; their numbers are also the tab order.
#define IDC_ODBCPATH_PROMPT 1
#define IDC_ODBCPATH 2
#define IDC_LOOKUPFILE 3
#define IDC_CANCEL 4
#define IDC_ADDDRIVER 5
#define IDC_DRIVERNAME_PROMPT 6
#define IDC_DRIVERNAME 7
#define IDC_RUNODBCADMIN 8
#define IDC_RUNADMIN 9
#define IDC_NOTICE 10

// The entries' typing limits ("s255" and "s100").
#define TOLVANE_ODBCPATH_LIMIT 255
#define TOLVANE_DRIVERNAME_LIMIT 100
