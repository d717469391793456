// <windows.h> for the adapters, without the A/W macros that would rename interface methods
// (Desktop::FindWindow, Sound::PlaySound) in the files that include it.
#pragma once
#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>

#undef FindWindow
#undef PlaySound
