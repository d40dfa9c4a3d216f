; The Windows installer, in Simplified Chinese: per machine (administrator) or per user, a
; Start-menu entry, .hxcase opened by the program with its own icon, and an uninstaller in
; 应用和功能. Silent with /S (and /AllUsers or /CurrentUser), as is its uninstaller.
; makensis -INPUTCHARSET UTF8 -DPROGRAM= -DVERSION= -DAPP_ID= -DICON= -DTREE=
;          -DUNINSTALL_LIST= -DOUTFILE= installer.nsi   (run by the build's `packages` target)
; A 64-bit installer, as the program is: it writes the 64-bit registry and Program Files.
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!define TITLE "管壳式换热器换热面积计算"
!define EXE "${PROGRAM}.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP_ID}"
!define CASE_CLASS "${APP_ID}.Case"

Name "${TITLE}"
OutFile "${OUTFILE}"
BrandingText "${TITLE} ${VERSION}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${TITLE}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${TREE}\LICENSE.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "${TITLE}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "${TITLE} 安装程序"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "MIT License"

Function .onInit
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "${TITLE}"
  SetOutPath "$INSTDIR"
  File /r "${TREE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${TITLE}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

  ; SHCTX: HKLM when installed for every user, HKCU when for one.
  WriteRegStr SHCTX "Software\Classes\.hxcase" "" "${CASE_CLASS}"
  WriteRegStr SHCTX "Software\Classes\${CASE_CLASS}" "" "换热器计算文件"
  WriteRegStr SHCTX "Software\Classes\${CASE_CLASS}\DefaultIcon" "" '"$INSTDIR\${EXE}",1'
  WriteRegStr SHCTX "Software\Classes\${CASE_CLASS}\shell\open\command" "" '"$INSTDIR\${EXE}" "%1"'
  WriteRegStr SHCTX "Software\Classes\Applications\${EXE}\SupportedTypes" ".hxcase" ""
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'  ; SHCNE_ASSOCCHANGED

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${TITLE}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\${EXE}",0'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Heat Exchanger Sizing developers"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${TITLE}.lnk"
  ; The association only while it is still ours: another program may have taken .hxcase.
  ReadRegStr $0 SHCTX "Software\Classes\.hxcase" ""
  ${If} $0 == "${CASE_CLASS}"
    DeleteRegKey SHCTX "Software\Classes\.hxcase"
  ${EndIf}
  DeleteRegKey SHCTX "Software\Classes\${CASE_CLASS}"
  DeleteRegKey SHCTX "Software\Classes\Applications\${EXE}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"

  !include "${UNINSTALL_LIST}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
