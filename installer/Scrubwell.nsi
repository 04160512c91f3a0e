; The Scrubwell installer and uninstaller, in English and German. One script for both builds:
;   makensis -INPUTCHARSET UTF8 -DBUILD=<build folder> -DTARGET=<x86-unicode|amd64-unicode>
;            -DVERSION=<x.yy> Scrubwell.nsi
; The files come from <build folder>/installer/files, staged (and stripped) by tools/make-installer,
; which also writes the list of them, files.nsh. The product is the x86-unicode one.
; Switches besides NSIS's own /S and /D=: /LANG=1031 (German) or /LANG=1033 (English) chooses the
; language without asking (the uninstaller takes it too); /NODESKTOP leaves out the desktop shortcut.

!ifndef BUILD | TARGET | VERSION
  !error "BUILD, TARGET and VERSION must be defined (see tools/make-installer)"
!endif

Target ${TARGET}
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!define PRODUCT "Scrubwell"
!define PUBLISHER "Korvantis"
!define FILES "${BUILD}/installer/files"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The backup checker's entry at log-on, which the program writes when the user switches on the
; automatic removal of old backups.
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Scrubwell - Cleanup of old Backupfiles"

Name "${PRODUCT} ${VERSION}"
OutFile "${BUILD}/installer/${PRODUCT}-${VERSION}-setup.exe"
!if ${TARGET} == "amd64-unicode"
  InstallDir "$PROGRAMFILES64\${PRODUCT}"
!else
  InstallDir "$PROGRAMFILES\${PRODUCT}"
!endif
; An update goes where the installed copy is.
InstallDirRegKey HKLM "${UNINST_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "Sections.nsh"

!define MUI_ICON "${__FILEDIR__}/../res/app.ico"
!define MUI_UNICON "${__FILEDIR__}/../res/app.ico"
!define MUI_ABORTWARNING
; The language chosen at installation is the uninstaller's too.
!define MUI_LANGDLL_REGISTRY_ROOT HKLM
!define MUI_LANGDLL_REGISTRY_KEY "${UNINST_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "Installer Language"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Scrubwell.exe"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_RESERVEFILE_LANGDLL

LangString SecProgramName ${LANG_ENGLISH} "Scrubwell (required)"
LangString SecProgramName ${LANG_GERMAN} "Scrubwell (erforderlich)"
LangString SecProgramText ${LANG_ENGLISH} "The program, its companions, both languages, the user's guide, sounds and pictures, and a shortcut in the Start menu."
LangString SecProgramText ${LANG_GERMAN} "Das Programm mit seinen Begleitprogrammen, beiden Sprachen, dem Handbuch, Klängen und Bildern, und eine Verknüpfung im Startmenü."
LangString SecDesktopName ${LANG_ENGLISH} "Desktop shortcut"
LangString SecDesktopName ${LANG_GERMAN} "Desktop-Verknüpfung"
LangString SecDesktopText ${LANG_ENGLISH} "A shortcut to Scrubwell on the desktop."
LangString SecDesktopText ${LANG_GERMAN} "Eine Verknüpfung zu Scrubwell auf dem Desktop."

LangString ProgramRunning ${LANG_ENGLISH} "Scrubwell is running. Please close it, then click Retry."
LangString ProgramRunning ${LANG_GERMAN} "Scrubwell läuft noch. Bitte schließen Sie es und klicken Sie dann auf Wiederholen."

; Stops the installation or uninstallation while the installed program runs: its files could not
; all be replaced or removed. A running program file cannot be opened for writing. Silently it
; gives up at once (exit code 2).
!macro StopWhileProgramRuns
  program_check:
  ${If} ${FileExists} "$INSTDIR\Scrubwell.exe"
    ClearErrors
    FileOpen $0 "$INSTDIR\Scrubwell.exe" a
    ${If} ${Errors}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramRunning)" /SD IDCANCEL IDRETRY program_check
      Abort
    ${EndIf}
    FileClose $0
  ${EndIf}
!macroend

; ${ScrubwellFile} NAME, once per installed file (files.nsh): copies it in the installer and
; deletes it in the uninstaller.
!macro InstallFile name
  File "${FILES}/${name}"
!macroend
!macro RemoveFile name
  Delete "$INSTDIR\${name}"
!macroend

; Takes the language from /LANG=<language id> on the command line; without it, `ask` chooses
; it (the language dialog of the installer, the installation's language in the uninstaller).
!macro ChooseLanguage un ask
  ${${un}GetParameters} $R0
  ClearErrors
  ${${un}GetOptions} $R0 "/LANG=" $R1
  ${If} ${Errors}
  ${OrIf} $R1 == ""
    !insertmacro ${ask}
  ${Else}
    StrCpy $LANGUAGE $R1
  ${EndIf}
!macroend

Section "!$(SecProgramName)" SecProgram
  SectionIn RO
  !insertmacro StopWhileProgramRuns
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  SetOverwrite on
  !define ScrubwellFile "!insertmacro InstallFile"
  !include "${BUILD}/installer/files.nsh"
  !undef ScrubwellFile
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Scrubwell.exe" "" "$INSTDIR\Scrubwell.exe" 0

  WriteRegStr HKLM "${UNINST_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINST_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\Scrubwell.exe,0"
  WriteRegStr HKLM "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKLM "${UNINST_KEY}" "Installer Language" "$LANGUAGE"
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINST_KEY}" "EstimatedSize" $0
SectionEnd

Section "$(SecDesktopName)" SecDesktop
  SetShellVarContext all
  CreateShortCut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\Scrubwell.exe" "" "$INSTDIR\Scrubwell.exe" 0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} $(SecProgramText)
  !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktop} $(SecDesktopText)
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; After the sections, whose numbers it uses.
Function .onInit
  !insertmacro ChooseLanguage "" MUI_LANGDLL_DISPLAY
  ; /NODESKTOP: no desktop shortcut (for silent installations; the page has its box).
  ClearErrors
  ${GetOptions} $R0 "/NODESKTOP" $R1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecDesktop}
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro ChooseLanguage "un." MUI_UNGETLANGUAGE
FunctionEnd

Section "Uninstall"
  !insertmacro StopWhileProgramRuns
  SetShellVarContext all
  ; The program's own uninstall mode first: it asks whether the user will take the survey and
  ; removes the user's data folder (settings and backup points). A silent uninstall asks nothing,
  ; so it leaves the data folder where it is.
  ${IfNot} ${Silent}
  ${AndIf} ${FileExists} "$INSTDIR\Scrubwell.exe"
    ExecWait '"$INSTDIR\Scrubwell.exe" /uninstall'
  ${EndIf}
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$DESKTOP\${PRODUCT}.lnk"
  !define ScrubwellFile "!insertmacro RemoveFile"
  !include "${BUILD}/installer/files.nsh"
  !undef ScrubwellFile
  Delete "$INSTDIR\uninstall.exe"
  ; Only the files it installed: a folder that holds anything else stays.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINST_KEY}"
SectionEnd
