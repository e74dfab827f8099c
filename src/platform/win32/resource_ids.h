#pragma once
// Identifiers shared by the resource script and the code.
#define IDI_MARROWIND 1
#define IDD_INPUTBOX 100
#define IDC_INPUT_PROMPT 101
#define IDC_INPUT_ANSWER 102
