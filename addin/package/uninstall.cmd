@echo off
rem Removes what install.cmd registered for the current user.
setlocal
regsvr32 /s /u /n /i:user "%~dp0Ostrevan2003.dll"
if errorlevel 1 (
  echo Unregistration failed.
  exit /b 1
)
echo Pelvaron is unregistered. The folder can be deleted now.
