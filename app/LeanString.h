// Forced into every file of the Windows release (CMakeLists.txt): the members of std::string
// are made where they are used, so that only those the program calls come into it, rather
// than the C++ library's whole ready-made copy (some 32 KB with its exception tables).
// The library's own switch for this; it adds no checks.
#pragma once
#include <bits/c++config.h>
#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE -1
