#pragma once
// Resource ids shared by addin.rc and the code (plain C preprocessor: windres reads it).
#define IDC_HAND_POINTER 101
#define IDR_RIBBON_XML 102
