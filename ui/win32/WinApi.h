// <windows.h> for code that also sees the form library: the API's A/W name macros that
// share a name with the library's members are taken back (the A functions are called by
// their full names).
#pragma once
#include <windows.h>

#undef MessageBox
