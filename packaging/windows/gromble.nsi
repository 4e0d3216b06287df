; The Windows installer, made by scripts/dist.sh:
;   makensis -DVERSION=1.5.0 -DPROGRAM_DIR=<folder of gromble.exe and Help.htm>
;            -DLICENCE_PAGE=<LICENSE, a line per paragraph> -DOUTFILE=<installer> gromble.nsi
; /S installs silently; the uninstaller's /S removes silently.
; The first page shows the licence; LICENSE is installed beside the program as LICENSE.txt,
; and the notices of the runtime code linked into gromble.exe (the Debian package's
; copyright file) as NOTICES.txt.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "FileFunc.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Gromble"
!define LIST_CLASS "Gromble.List"

Name "Gromble ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Gromble"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Gromble"
VIAddVersionKey "FileDescription" "Gromble installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (c) 2026 the Gromble developers"

LicenseData "${LICENCE_PAGE}"
Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "Gromble"
    SetOutPath "$INSTDIR"
    File "${PROGRAM_DIR}\gromble.exe"
    File "${PROGRAM_DIR}\Help.htm"
    File "/oname=LICENSE.txt" "..\..\LICENSE"
    File "/oname=NOTICES.txt" "..\debian\copyright"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Gromble.lnk" "$INSTDIR\gromble.exe" "" "$INSTDIR\gromble.exe" 0

    ; Each user keeps the system list in a folder of their own, wherever a list is opened from.
    WriteRegExpandStr HKLM "Software\Gromble" "DataFolder" "%APPDATA%\Gromble"

    WriteRegStr HKLM "Software\Classes\.grl" "" "${LIST_CLASS}"
    WriteRegStr HKLM "Software\Classes\${LIST_CLASS}" "" "Gromble List"
    WriteRegStr HKLM "Software\Classes\${LIST_CLASS}\DefaultIcon" "" "$INSTDIR\gromble.exe,0"
    WriteRegStr HKLM "Software\Classes\${LIST_CLASS}\shell\open\command" "" '"$INSTDIR\gromble.exe" "%1"'

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Gromble"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Gromble"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\gromble.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes what the installer added; the users' lists stay in their data folders.
Section "Uninstall"
    Delete "$SMPROGRAMS\Gromble.lnk"
    Delete "$INSTDIR\gromble.exe"
    Delete "$INSTDIR\Help.htm"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\NOTICES.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"

    ReadRegStr $0 HKLM "Software\Classes\.grl" ""
    StrCmp $0 "${LIST_CLASS}" 0 +2
        DeleteRegKey HKLM "Software\Classes\.grl"
    DeleteRegKey HKLM "Software\Classes\${LIST_CLASS}"
    DeleteRegKey HKLM "Software\Gromble"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
