#pragma once
// COM interfaces are released through Release(), never deleted through a base pointer: their
// missing virtual destructors are by design, for every file that implements one.
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

// <windows.h> for the add-in, without the old macros that clash with our own names
// (Yield() would erase DocumentOps::Yield, GetObject would rename our members).

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
#include <olectl.h>

#undef Yield
#undef GetObject
