#pragma once

// Identifiers of the window's resources, shared by veltrano.rc and the code (and the tests
// that drive the dialogs). Plain macros: the resource compiler reads this file too.

// The program's icon. The pictures of the toolbar and the tree are icons named by their keys
// in ilButtons and ilTVIcons.
#define IDI_VELTRANO 1

#define IDD_LOGIN 1000
#define IDC_LOGIN_FRAME 1001
#define IDC_LOGIN_NAME_LABEL 1002
#define IDC_LOGIN_NAME 1003
#define IDC_LOGIN_PASSWORD_LABEL 1004
#define IDC_LOGIN_PASSWORD 1005

#define IDD_INPUTBOX 1100
#define IDC_INPUT_PROMPT 1101
#define IDC_INPUT_TEXT 1102

#define IDD_ABOUT 1200
#define IDC_ABOUT_SCROLL 1201
#define IDC_ABOUT_VERSION 1202
#define IDC_ABOUT_NOTICE 1203
#define IDC_ABOUT_LINK 1204

// Child windows of the main window.
#define IDC_MAIN_TOOLBAR 2001
#define IDC_MAIN_TREE 2002
#define IDC_MAIN_LIST 2003
#define IDC_MAIN_STATUS 2004
