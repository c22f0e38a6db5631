@echo off
rem Registers the Pelvaron add-in for the current user only: no administrator rights needed.
rem Run the copy in the folder that matches your Office: x86 for 32-bit Office, x64 for 64-bit.
rem The Quran font AmiriQuran.ttf is installed for the current user too, unless Windows has it
rem for everyone already.
setlocal
set "HERE=%~dp0"
set "APPKEY=HKCU\Software\Pelvaron"
set "FONTKEY=HKCU\Software\Microsoft\Windows NT\CurrentVersion\Fonts"
set "FONTVALUE=Amiri Quran (TrueType)"
set "USERFONTS=%LOCALAPPDATA%\Microsoft\Windows\Fonts"
if not exist "%HERE%DataQuran\surahindex.mtf" (
  echo The folder DataQuran must stay beside Ostrevan2003.dll.
  exit /b 1
)
regsvr32 /s /n /i:user "%HERE%Ostrevan2003.dll"
if errorlevel 1 (
  echo Registration failed.
  exit /b 1
)
if exist "%WINDIR%\Fonts\AmiriQuran.ttf" goto font_done
rem "if errorlevel" rather than "&&": Wine's cmd takes "&&" after a redirection as success.
reg query "HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts" /v "%FONTVALUE%" >nul 2>&1
if not errorlevel 1 goto font_done
rem Already installed for this user (by the user or by an earlier install): left as it is.
reg query "%FONTKEY%" /v "%FONTVALUE%" >nul 2>&1
if not errorlevel 1 goto font_done
if not exist "%USERFONTS%" mkdir "%USERFONTS%"
copy /y "%HERE%AmiriQuran.ttf" "%USERFONTS%\AmiriQuran.ttf" >nul
if errorlevel 1 (
  echo The font AmiriQuran.ttf could not be copied to %USERFONTS%.
  exit /b 1
)
reg add "%FONTKEY%" /v "%FONTVALUE%" /t REG_SZ /d "%USERFONTS%\AmiriQuran.ttf" /f >nul
reg add "%APPKEY%" /v FontInstalled /t REG_DWORD /d 1 /f >nul
:font_done
echo Pelvaron is registered. Start Word: the tab "Al-Quran" appears
echo (Word 2003: the menu "Al-Quran"). Programs already running see the font after you
echo sign out and in again.
exit /b 0
