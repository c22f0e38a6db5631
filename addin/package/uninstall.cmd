@echo off
rem Removes what install.cmd registered and installed for the current user, the font only
rem if install.cmd put it there.
setlocal
set "APPKEY=HKCU\Software\Pelvaron"
set "FONTKEY=HKCU\Software\Microsoft\Windows NT\CurrentVersion\Fonts"
regsvr32 /s /u /n /i:user "%~dp0Ostrevan2003.dll"
if errorlevel 1 (
  echo Unregistration failed.
  exit /b 1
)
reg query "%APPKEY%" /v FontInstalled >nul 2>&1
if errorlevel 1 goto font_done
del "%LOCALAPPDATA%\Microsoft\Windows\Fonts\AmiriQuran.ttf"
if exist "%LOCALAPPDATA%\Microsoft\Windows\Fonts\AmiriQuran.ttf" (
  echo The font AmiriQuran.ttf is in use: close Word and run uninstall.cmd again.
  exit /b 1
)
reg delete "%FONTKEY%" /v "Amiri Quran (TrueType)" /f >nul 2>&1
reg delete "%APPKEY%" /f >nul 2>&1
:font_done
echo Pelvaron is unregistered. The folder can be deleted now.
exit /b 0
