// Identifiers of the dialog templates, their controls and the icons, shared by the program's code
// and the dialog resources of each platform. Plain macros: the Windows resource compiler reads them.
#pragma once

// The two buttons every dialog has (IDOK and IDCANCEL).
#define ID_BUTTON_OK 1
#define ID_BUTTON_CANCEL 2

// The choice dialog: a read-only prompt, the filter edit after "Contenant :", a sorted list box.
#define IDD_CHOICE 144
#define IDC_CHOICE_PROMPT 1033
#define IDC_CHOICE_FILTER 1112
#define IDC_CHOICE_LIST 1013

// The message dialog: a multi-line read-only edit holding the text.
#define IDD_MESSAGE 159
#define IDC_MESSAGE_TEXT 1162

// The connexion dialog: the hosts, the languages, the logo's frame, the module size, the start-up
// load, and a button that stays hidden.
#define IDD_CONNEXION 102
#define IDC_CONNEXION_HOSTS 1000
#define IDC_CONNEXION_LANGUAGES 1001
#define IDC_CONNEXION_LOGO 1002
#define IDC_CONNEXION_64BIT 1003
#define IDC_CONNEXION_OPTIONS 1009
#define IDC_CONNEXION_AUTOLOAD 1016

// Icons: the program's, and those of OK, Cancel and the options button.
#define IDI_PROGRAM 128
#define IDI_OK 129
#define IDI_CANCEL 130
#define IDI_OPTIONS 132
