; The per-user installer: double-click, no administrator rights. It picks the add-in that
; matches the installed Word's bitness (the PE header of WINWORD.EXE, found through App
; Paths), installs it with DataQuran beside it, registers it for the current user, installs
; the Quran font for the current user unless Windows has it for everyone, and adds an
; "Apps & features" entry. Running it again upgrades in place.
;
;   Pelvaron-setup.exe [/S] [/WORD=32|64] [/D=folder]
;
; Users get the 32-bit build of this script, which runs on every Windows (32-bit, 64-bit, and
; ARM64 through its emulation) and installs either add-in. -DAMD64 builds the same script as a
; 64-bit program, which runs where only a 64-bit Windows (or wine64 alone) is at hand.
;
; /WORD forces the add-in's bitness; silently, a missing or ambiguous Word ends with exit
; code 2 and nothing installed.
;
; makensis -DSTAGE=<folder holding x86\ and x64\ of the Windows package> -DVERSION=1.2.3
;          -DOUTFILE=<setup.exe> [-DAMD64] pelvaron.nsi

!ifdef AMD64
  Target amd64-unicode
!else
  Unicode true
!endif
!include LogicLib.nsh
!include x64.nsh
!include FileFunc.nsh
!include WinMessages.nsh

!define APP_KEY "Software\Pelvaron"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pelvaron"
!define APP_PATHS "Software\Microsoft\Windows\CurrentVersion\App Paths\Winword.exe"
!define FONTS_KEY "Software\Microsoft\Windows NT\CurrentVersion\Fonts"
!define FONT_VALUE "Amiri Quran (TrueType)"
!define FONT_FILE "AmiriQuran.ttf"
!define DLL "Ostrevan2003.dll"

Name "Pelvaron ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Pelvaron"
InstallDirRegKey HKCU "${APP_KEY}" "InstallDir"
SetCompressor /SOLID lzma
ShowInstDetails show
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Pelvaron"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Pelvaron: Al-Quran untuk Microsoft Word"
VIAddVersionKey "LegalCopyright" "Pelvaron; the Amiri Quran font under the SIL Open Font License 1.1"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Var Bits        ; of the add-in to install: 32 or 64
Var WordBits    ; of the Word found: 32, 64, "" (none) or "both"
Var UserFonts

; $0: path of an executable -> $1: 32, 64, or "" when it is none (or cannot be read).
Function PeBits
  StrCpy $1 ""
  ClearErrors
  FileOpen $2 $0 r
  IfErrors pe_done
  FileSeek $2 60 SET        ; e_lfanew, of which the low 16 bits are plenty
  FileReadByte $2 $3
  FileReadByte $2 $4
  IntOp $4 $4 << 8
  IntOp $3 $3 | $4
  IntOp $3 $3 + 4           ; past "PE\0\0": the machine field
  FileSeek $2 $3 SET
  FileReadByte $2 $3
  FileReadByte $2 $4
  FileClose $2
  IntOp $4 $4 << 8
  IntOp $3 $3 | $4
  ${If} $3 = 332            ; IMAGE_FILE_MACHINE_I386
    StrCpy $1 32
  ${ElseIf} $3 = 34404      ; IMAGE_FILE_MACHINE_AMD64
    StrCpy $1 64
  ${EndIf}
pe_done:
FunctionEnd

; Adds the bitness of the WINWORD.EXE an App Paths value ($0) names to $WordBits.
Function AddWordPath
  StrCmp $0 "" add_done
  Push $1
  StrCpy $1 $0 1
  StrCmp $1 '"' 0 +2
    StrCpy $0 $0 -1 1       ; unquoted
  Call PeBits
  ${If} $1 != ""
    ${If} $WordBits == ""
      StrCpy $WordBits $1
    ${ElseIf} $WordBits != $1
      StrCpy $WordBits "both"
    ${EndIf}
  ${EndIf}
  Pop $1
add_done:
FunctionEnd

; App Paths of both registry views: a 32-bit Word's entry lies in the 32-bit view, whichever
; bitness this setup program itself has.
Function FindWord
  StrCpy $WordBits ""
  ReadRegStr $0 HKCU "${APP_PATHS}" ""
  Call AddWordPath
  SetRegView 32
  ReadRegStr $0 HKLM "${APP_PATHS}" ""
  Call AddWordPath
  ${If} ${RunningX64}
    SetRegView 64
    ReadRegStr $0 HKLM "${APP_PATHS}" ""
    Call AddWordPath
  ${EndIf}
  SetRegView default
FunctionEnd

Function .onInit
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/WORD=" $Bits
  ${If} ${Errors}
    StrCpy $Bits ""
  ${EndIf}
  ${If} $Bits != ""
  ${AndIf} $Bits != 32
  ${AndIf} $Bits != 64
    MessageBox MB_ICONSTOP "/WORD= takes 32 or 64, not $Bits." /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  ${If} $Bits == ""
    Call FindWord
    ${If} $WordBits == 32
    ${OrIf} $WordBits == 64
      StrCpy $Bits $WordBits
    ${Else}
      StrCpy $0 "No Microsoft Word was found on this computer."
      ${If} $WordBits == "both"
        StrCpy $0 "Both a 32-bit and a 64-bit Microsoft Word are installed."
      ${EndIf}
      ${If} ${Silent}
        SetErrorLevel 2       ; silently: the caller must choose with /WORD=32 or /WORD=64
        Quit
      ${EndIf}
      MessageBox MB_YESNOCANCEL|MB_ICONQUESTION "$0$\n$\nInstall the add-in for 64-bit Office?$\n$\nYes: 64-bit.  No: 32-bit.  Cancel: stop." IDYES bits64 IDNO bits32
      Quit
    bits64:
      StrCpy $Bits 64
      Goto bits_chosen
    bits32:
      StrCpy $Bits 32
    bits_chosen:
    ${EndIf}
  ${EndIf}
  ${If} $Bits == 64
  ${AndIfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "A 64-bit add-in cannot run on 32-bit Windows." /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd

; regsvr32 of the add-in's own bitness; $0: its switches. Exit code in $1. A 32-bit setup
; reaches the 64-bit System32 only with the file system redirection off; a 64-bit setup finds
; the 32-bit regsvr32 in SysWOW64.
!macro RegSvr32 FLAGS
  ${If} $Bits == 64
    !ifdef AMD64
      ExecWait '"$WINDIR\System32\regsvr32.exe" ${FLAGS} "$INSTDIR\${DLL}"' $1
    !else
      ${DisableX64FSRedirection}
      ExecWait '"$WINDIR\System32\regsvr32.exe" ${FLAGS} "$INSTDIR\${DLL}"' $1
      ${EnableX64FSRedirection}
    !endif
  ${Else}
    !ifdef AMD64
      ExecWait '"$WINDIR\SysWOW64\regsvr32.exe" ${FLAGS} "$INSTDIR\${DLL}"' $1
    !else
      ExecWait '"$SYSDIR\regsvr32.exe" ${FLAGS} "$INSTDIR\${DLL}"' $1
    !endif
  ${EndIf}
!macroend

Section "Pelvaron"
  SetOutPath "$INSTDIR"
  ; An older version: unregistered first, its files then replaced in place.
  ReadRegStr $0 HKCU "${APP_KEY}" "Bits"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$INSTDIR\${DLL}"
    Push $Bits
    StrCpy $Bits $0
    !insertmacro RegSvr32 "/s /u /n /i:user"
    Pop $Bits
  ${EndIf}
  ClearErrors
  ${If} $Bits == 64
    File "${STAGE}\x64\${DLL}"
  ${Else}
    File "${STAGE}\x86\${DLL}"
  ${EndIf}
  RMDir /r "$INSTDIR\DataQuran"
  File /r "${STAGE}\x64\DataQuran"
  File "${STAGE}\x64\AmiriQuran-OFL.txt"
  ${If} ${Errors}
    MessageBox MB_ICONSTOP "Files could not be written to $INSTDIR. Close Word and try again." /SD IDOK
    SetErrorLevel 1
    Abort
  ${EndIf}
  WriteUninstaller "$INSTDIR\uninstall.exe"

  !insertmacro RegSvr32 "/s /n /i:user"
  ${If} $1 != 0
    MessageBox MB_ICONSTOP "Registering the add-in failed (regsvr32 exit code $1)." /SD IDOK
    SetErrorLevel 1
    Abort
  ${EndIf}

  WriteRegStr HKCU "${APP_KEY}" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${APP_KEY}" "Bits" "$Bits"
  WriteRegStr HKCU "${APP_KEY}" "Version" "${VERSION}"

  ; The font, for this user only, unless Windows or the user has it already.
  StrCpy $UserFonts "$LOCALAPPDATA\Microsoft\Windows\Fonts"
  ReadRegStr $0 HKLM "${FONTS_KEY}" "${FONT_VALUE}"
  ReadRegStr $2 HKCU "${FONTS_KEY}" "${FONT_VALUE}"
  ReadRegDWORD $3 HKCU "${APP_KEY}" "FontInstalled"
  ${If} ${FileExists} "$FONTS\${FONT_FILE}"
  ${OrIf} $0 != ""
    DetailPrint "The font Amiri Quran is installed for every user already."
  ${ElseIf} $2 != ""
  ${AndIf} $3 != 1
    DetailPrint "The font Amiri Quran is installed for this user already."
  ${Else}
    CreateDirectory "$UserFonts"
    SetOutPath "$UserFonts"
    File "${STAGE}\x64\${FONT_FILE}"
    WriteRegStr HKCU "${FONTS_KEY}" "${FONT_VALUE}" "$UserFonts\${FONT_FILE}"
    WriteRegDWORD HKCU "${APP_KEY}" "FontInstalled" 1
    ; Programs already running see it now, not only after the next sign-in.
    System::Call 'gdi32::AddFontResourceW(w "$UserFonts\${FONT_FILE}") i .r0'
    SendMessage ${HWND_BROADCAST} ${WM_FONTCHANGE} 0 0 /TIMEOUT=2000
    SetOutPath "$INSTDIR"
  ${EndIf}

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Pelvaron (Al-Quran untuk Word)"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Pelvaron"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  ReadRegStr $Bits HKCU "${APP_KEY}" "Bits"
  ${If} $Bits == ""
    StrCpy $Bits 32
    ${If} ${RunningX64}
      StrCpy $Bits 64
    ${EndIf}
  ${EndIf}
  !insertmacro RegSvr32 "/s /u /n /i:user"

  ReadRegDWORD $0 HKCU "${APP_KEY}" "FontInstalled"
  ${If} $0 = 1
    StrCpy $UserFonts "$LOCALAPPDATA\Microsoft\Windows\Fonts"
    System::Call 'gdi32::RemoveFontResourceW(w "$UserFonts\${FONT_FILE}") i .r0'
    SendMessage ${HWND_BROADCAST} ${WM_FONTCHANGE} 0 0 /TIMEOUT=2000
    Delete "$UserFonts\${FONT_FILE}"
    DeleteRegValue HKCU "${FONTS_KEY}" "${FONT_VALUE}"
  ${EndIf}

  Delete "$INSTDIR\${DLL}"
  Delete "$INSTDIR\AmiriQuran-OFL.txt"
  RMDir /r "$INSTDIR\DataQuran"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"               ; only when nothing of the user's is left in it
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "${APP_KEY}"
SectionEnd
