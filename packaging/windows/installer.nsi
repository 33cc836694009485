; The Windows installer of the drill, built by makensis on Debian
; (scripts/windows/build-program.sh passes VERSION, STAGE, LICENSE, OUTFILE).
; Per-machine: into Program Files, Start-menu entries for every account,
; an uninstaller listed in the system's programs. In Italian.

; A 64-bit installer, like the program: it also runs where Windows (or
; Wine) has no 32-bit subsystem.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

!define APP "Analisi grammaticale"
!define EDITOR "Frasi per l'analisi grammaticale"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\analisi-grammaticale"

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${APP}"
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show

!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\analisi-grammaticale.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

Section "Programma"
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File /r "${STAGE}/*"
    WriteUninstaller "$INSTDIR\Disinstalla.exe"

    ; The folder of the collections every account drills (docs/raccolte.md).
    CreateDirectory "$APPDATA\analisi-grammaticale\frasi"

    CreateDirectory "$SMPROGRAMS\${APP}"
    CreateShortcut "$SMPROGRAMS\${APP}\${APP}.lnk" "$INSTDIR\analisi-grammaticale.exe"
    CreateShortcut "$SMPROGRAMS\${APP}\${EDITOR}.lnk" "$INSTDIR\analisi-grammaticale-frasi.exe"
    CreateShortcut "$SMPROGRAMS\${APP}\Disinstalla ${APP}.lnk" "$INSTDIR\Disinstalla.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APP}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\analisi-grammaticale.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Disinstalla.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Disinstalla.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the installer put there, by name: never a whole folder the
; user may have chosen, and never the teachers' collections.
Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\${APP}\${APP}.lnk"
    Delete "$SMPROGRAMS\${APP}\${EDITOR}.lnk"
    Delete "$SMPROGRAMS\${APP}\Disinstalla ${APP}.lnk"
    RMDir "$SMPROGRAMS\${APP}"

    Delete "$INSTDIR\analisi-grammaticale.exe"
    Delete "$INSTDIR\analisi-grammaticale-frasi.exe"
    Delete "$INSTDIR\analisi-grammaticale-sound.dll"
    Delete "$INSTDIR\Qt6*.dll"
    Delete "$INSTDIR\libstdc++-6.dll"
    Delete "$INSTDIR\libgcc_s_seh-1.dll"
    Delete "$INSTDIR\libwinpthread-1.dll"
    Delete "$INSTDIR\qt.conf"
    Delete "$INSTDIR\COPYING.txt"
    RMDir /r "$INSTDIR\suoni"
    RMDir /r "$INSTDIR\platforms"
    RMDir /r "$INSTDIR\styles"
    RMDir /r "$INSTDIR\multimedia"
    RMDir /r "$INSTDIR\sqldrivers"
    RMDir /r "$INSTDIR\lessico"
    RMDir /r "$INSTDIR\translations"
    Delete "$INSTDIR\Disinstalla.exe"
    RMDir "$INSTDIR"

    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
