#pragma once
// Resource ids of NuvPet.exe. Shared by the resource script and the C++ shell.

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_PET_MAIN 102
#define IDD_LOADING 134
#define IDD_BALLOON 138
#define IDD_INPUT_BOX 139
#define IDD_USER_REG 169
#define IDD_TIMED_PICTURE 171
#define IDD_OBJECT 185
#define IDD_CHOOSE_LIST 190

// Icons and cursors
#define IDR_MAINFRAME 128
#define IDI_TRAY 176
#define IDC_DRAG_CURSOR 136
#define IDC_CATCH_CURSOR 168

// Strings
#define IDS_ABOUTBOX 101
#define IDS_ALREADY_RUNNING 102

// System menu command that opens the about box
#define IDM_ABOUTBOX 16

// Controls of the loading window
#define IDC_LOADING_PROGRESS 1003

// Controls of the input box
#define IDC_INPUT_ANSWER 1013
#define IDC_INPUT_OK 1014
#define IDC_INPUT_CANCEL 1015
#define IDC_INPUT_QUESTION 1016

// Controls of the user registration dialog
#define IDC_REG_OK 1017
#define IDC_REG_CANCEL 1018
#define IDC_REG_NAME 1019
#define IDC_REG_LOGIN_ID 1020
#define IDC_REG_PASSWORD 1021
#define IDC_REG_EMAIL 1022
#define IDC_REG_MALE 1023
#define IDC_REG_FEMALE 1024
#define IDC_REG_BIRTH_DATE 1025

// Controls of the timed picture window
#define IDC_TIMED_PICTURE 1026

// Controls of the list choice
#define IDC_CHOOSE_LIST 1030

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
