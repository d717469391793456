; The Quonthary installer, built by scripts/package with makensis:
;
;   makensis -DVERSION=1.0.0.1 -DSTAGE=<folder with the program and its folders>
;            -DICON=<Quonthary.ico> -DOUTFILE=<installer.exe> [-DAMD64] scripts/Quonthary.nsi
;
; Installs for the current user (into the user's programs folder) or, for an administrator
; who chooses so, for every user (into Program Files), into a folder "Quonthary": the program,
; its sounds, language files and sample skin, a Start-menu shortcut and an uninstaller.
; The uninstaller removes the files, the start-up entry and, when asked, the settings.
;
; Silent use: "setup.exe /S [/CurrentUser | /AllUsers] [/D=folder]";
;             "Uninstall.exe /S [/RemoveSettings]".

Unicode true
!ifdef AMD64
  ; Built only for the tests: a 64-bit system without 32-bit support runs this one.
  Target amd64-unicode
!endif

!define PRODUCT "Quonthary"
!define MAKER "Tessmark"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
SetCompressor /SOLID lzma
RequestExecutionLevel user
VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${MAKER}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Freeware by ${MAKER}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!ifdef AMD64
  !define MULTIUSER_USE_PROGRAMFILES64
!endif
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quonthary.exe"

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; A running copy holds its program file: its hidden owner window is asked to close.
!macro CloseRunningCopy
  FindWindow $0 "TFormQuontharyMain"
  StrCmp $0 0 +3
  SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
  Sleep 500
!macroend

Function .onInit
  ; A folder given with /D wins over the one the install mode suggests.
  StrCpy $R9 $INSTDIR
  !insertmacro MULTIUSER_INIT
  StrCmp $R9 "" +2
  StrCpy $INSTDIR $R9
FunctionEnd

Section "Quonthary" SecProgram
  SectionIn RO
  !insertmacro CloseRunningCopy
  SetOutPath "$INSTDIR"
  File "${STAGE}/Quonthary.exe"
  SetOutPath "$INSTDIR\Sound"
  File "${STAGE}/Sound/*.wav"
  SetOutPath "$INSTDIR\language"
  File "${STAGE}/language/*.lng"
  SetOutPath "$INSTDIR\Skin"
  File /r "${STAGE}/Skin/*"
  SetOutPath "$INSTDIR"

  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\Quonthary.exe"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quonthary.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallMode" "$MultiUser.InstallMode"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" \
      '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
      '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "un.Quonthary" UnSecProgram
  SectionIn RO
  !insertmacro CloseRunningCopy
  Delete "$INSTDIR\Quonthary.exe"
  Delete "$INSTDIR\Sound\*.wav"
  RMDir "$INSTDIR\Sound"
  Delete "$INSTDIR\language\*.lng"
  RMDir "$INSTDIR\language"
  RMDir /r "$INSTDIR\Skin"
  Delete "$INSTDIR\Uninstall.exe"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"
  ; The start-up entry the program writes for the user who runs it.
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  ; The folder the program notes at every start, for installers like this one.
  DeleteRegKey HKCU "Software\${MAKER}\${PRODUCT}"
  DeleteRegKey /ifempty HKCU "Software\${MAKER}"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.Remove my settings and discharge logs" UnSecSettings
  DeleteRegKey HKCU "Software\${PRODUCT}"
  Delete "$INSTDIR\Quonthary.ini"
  RMDir /r "$INSTDIR\discharging_log"
SectionEnd

Section "-un.Folder"
  ; Left in place only when the user kept files of their own in it.
  RMDir "$INSTDIR"
SectionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
  ; "/RemoveSettings" on the command line ticks the settings box (for silent uninstalls).
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/RemoveSettings" $1
  IfErrors +2
  SectionSetFlags ${UnSecSettings} ${SF_SELECTED}
FunctionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${UnSecProgram} "The program, its sounds, languages and skins, the Start-menu shortcuts and the start-up entry."
  !insertmacro MUI_DESCRIPTION_TEXT ${UnSecSettings} "Your settings and profiles (registry or Quonthary.ini) and the discharge logs."
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END
