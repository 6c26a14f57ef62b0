#pragma once
// The Windows headers as the shell uses them: wide calls, no min/max macros, and none of the
// macros that would rename the core's own operations (DeleteFile, ReplaceFile, ...).

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif

#include <windows.h>

#undef DeleteFile
#undef ReplaceFile
#undef CopyFile
#undef MoveFile
#undef GetCurrentTime
#undef MessageBox
