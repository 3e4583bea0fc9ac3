; CallwiseSetup.exe: installs the program's folder (the build's stage) under
; Program Files, with a Start-menu entry and an uninstaller. The build gives
; VERSION, STAGE, ICON, LICENCE and OUTFILE (packaging/windows/CMakeLists.txt).
; /S installs silently; the uninstaller keeps the user's data files (the
; call log, the tariff, the settings, in %APPDATA%\Callwise) unless they are
; chosen on its page.
; A 64-bit installer, as the program is: Wine without its 32-bit half runs it too.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Callwise"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Name "Callwise ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Callwise"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "Callwise"
VIAddVersionKey /LANG=1033 "FileDescription" "Callwise Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "2026 The Callwise developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_LICENSE "${LICENCE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "German"

LangString ProgramSection ${LANG_ENGLISH} "The program"
LangString ProgramSection ${LANG_FRENCH} "Le programme"
LangString ProgramSection ${LANG_GERMAN} "Das Programm"
LangString DataSection ${LANG_ENGLISH} "Your call log, tariff and settings"
LangString DataSection ${LANG_FRENCH} "Votre journal des appels, votre tarif et vos réglages"
LangString DataSection ${LANG_GERMAN} "Ihr Anrufprotokoll, Ihr Tarif und Ihre Einstellungen"
LangString DataSectionText ${LANG_ENGLISH} "Removes them too; left unticked, they stay for a later installation."
LangString DataSectionText ${LANG_FRENCH} "Les supprime aussi ; sans coche, ils restent pour une installation future."
LangString DataSectionText ${LANG_GERMAN} "Entfernt sie ebenfalls; ohne Haken bleiben sie für eine spätere Installation."

; A running copy ends first, as by its own exit (its call logged, its
; settings saved), so that its files can be replaced or removed.
!macro CloseRunningCopy
    System::Call 'kernel32::OpenEventW(i 0x0002, i 0, w "Local\CallwiseQuit") p.r0'
    ${If} $0 P<> 0
        System::Call 'kernel32::SetEvent(p r0)'
        System::Call 'kernel32::CloseHandle(p r0)'
        Sleep 2000
    ${EndIf}
!macroend

Function .onInit
    !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Section "!$(ProgramSection)" SecProgram
    SectionIn RO
    !insertmacro CloseRunningCopy
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    SetShellVarContext all
    CreateDirectory "$SMPROGRAMS\Callwise"
    CreateShortcut "$SMPROGRAMS\Callwise\Callwise.lnk" "$INSTDIR\callwise.exe"
    CreateShortcut "$SMPROGRAMS\Callwise\Uninstall Callwise.lnk" "$INSTDIR\Uninstall.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Callwise"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Callwise developers"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\callwise.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "un.$(ProgramSection)" SecUnProgram
    SectionIn RO
    !insertmacro CloseRunningCopy
    Delete "$INSTDIR\callwise.exe"
    Delete "$INSTDIR\callwise-report.exe"
    Delete "$INSTDIR\*.dll"
    Delete "$INSTDIR\qt.conf"
    RMDir /r "$INSTDIR\plugins"
    RMDir /r "$INSTDIR\translations"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"

    SetShellVarContext all
    Delete "$SMPROGRAMS\Callwise\Callwise.lnk"
    Delete "$SMPROGRAMS\Callwise\Uninstall Callwise.lnk"
    RMDir "$SMPROGRAMS\Callwise"
    ; "Auto Run on Start up" named the program in the Run key.
    DeleteRegValue HKLM "${RUN_KEY}" "Callwise"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.$(DataSection)" SecUnData
    SetShellVarContext current
    RMDir /r "$APPDATA\Callwise"
SectionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecUnData} $(DataSectionText)
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END
