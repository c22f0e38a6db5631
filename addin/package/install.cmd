@echo off
rem Registers the Pelvaron add-in for the current user only: no administrator rights needed.
rem Run the copy in the folder that matches your Office: x86 for 32-bit Office, x64 for 64-bit.
setlocal
set "HERE=%~dp0"
if not exist "%HERE%DataQuran\surahindex.mtf" (
  echo The folder DataQuran must stay beside Ostrevan2003.dll.
  exit /b 1
)
regsvr32 /s /n /i:user "%HERE%Ostrevan2003.dll"
if errorlevel 1 (
  echo Registration failed.
  exit /b 1
)
echo Pelvaron is registered. Start Word: the menu "Al-Quran" appears
echo (Word 2007 and later: on the Add-Ins tab).
