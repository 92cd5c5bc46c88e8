; Tarvello's Windows installer: per user, no administrator needed.
; makensis -DVERSION=<x.y.z> -DFILES=<install list> -DUNFILES=<removal list> -DOUTFILE=<setup.exe>
; The two lists are written by scripts/windows/package.sh from the staged folder, so the
; uninstaller removes exactly what was installed.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvello"

Name "Tarvello ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tarvello"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Tarvello"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Tarvello ${VERSION} setup"
VIAddVersionKey "LegalCopyright" "GNU General Public License, version 3 or later"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Tarvello"
  SetShellVarContext current
  ; The shortcut takes the output folder as its working folder: the game reads data\ from there.
  SetOutPath "$INSTDIR"
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Tarvello.lnk" "$INSTDIR\tarvello.exe" "" "$INSTDIR\tarvello.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tarvello"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tarvello.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Tarvello.lnk"
  !include "${UNFILES}"
  ; The game's log, written beside it by every run.
  Delete "$INSTDIR\stdout.txt"
  Delete "$INSTDIR\stderr.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
