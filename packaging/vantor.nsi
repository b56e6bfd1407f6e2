; Vantor installer: the manager, both shell extension builds, the theme and the help page.
;   makensis -DVERSION=1.1.0 -DWIN64_DIR=<win64 build> -DWIN32_DIR=<win32 build> -DOUTFILE=<exe> vantor.nsi
; Silent use: Vantor-setup.exe /S [/CurrentUser | /AllUsers] [/D=C:\path]
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!ifndef VERSION
  !define VERSION 1.1.0
!endif
!define PRODUCT "Vantor"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantor"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "Vantor"
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!ifdef SOURCE_DIR
  !define MUI_ICON "${SOURCE_DIR}/manager/res/vantor.ico"
  !define MUI_UNICON "${SOURCE_DIR}/manager/res/vantor.ico"
!endif


!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  StrCpy $R9 $INSTDIR  ; from /D=, which the install mode's default must not override
  !insertmacro MULTIUSER_INIT
  ${If} $R9 != ""
    StrCpy $INSTDIR $R9
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

; regsvr32 /n /i:user registers under HKEY_CURRENT_USER\Software\Classes only.
!macro RegisterShellExtension REGSVR DLL
  ${If} $MultiUser.InstallMode == "AllUsers"
    ExecWait '"${REGSVR}" /s "${DLL}"' $0
  ${Else}
    ExecWait '"${REGSVR}" /s /n /i:user "${DLL}"' $0
  ${EndIf}
  DetailPrint "regsvr32 ${DLL}: $0"
!macroend

!macro UnregisterShellExtension REGSVR DLL
  ${If} $MultiUser.InstallMode == "AllUsers"
    ExecWait '"${REGSVR}" /s /u "${DLL}"'
  ${Else}
    ExecWait '"${REGSVR}" /s /u /n /i:user "${DLL}"'
  ${EndIf}
!macroend

Section "Vantor"
  SetOutPath "$INSTDIR"
  File "${WIN64_DIR}\manager\Vantor.exe"
  File "${WIN64_DIR}\shellext\VTShellExt.dll"
  File "${WIN64_DIR}\manager\msn.sui"
  SetOutPath "$INSTDIR\desktop"
  File "${WIN64_DIR}\manager\desktop\vthelp.htm"
  ; The 32-bit extension serves the file dialogs of 32-bit programs; the file keeps its
  ; name, which the registration derives the ProgID from.
  SetOutPath "$INSTDIR\x86"
  File "${WIN32_DIR}\shellext\VTShellExt.dll"
  SetOutPath "$INSTDIR"

  !insertmacro RegisterShellExtension "$WINDIR\System32\regsvr32.exe" "$INSTDIR\VTShellExt.dll"
  ${If} ${FileExists} "$WINDIR\SysWOW64\regsvr32.exe"
    !insertmacro RegisterShellExtension "$WINDIR\SysWOW64\regsvr32.exe" "$INSTDIR\x86\VTShellExt.dll"
  ${EndIf}

  ; The options file lives beside the manager: for all users, create it with its
  ; defaults and let every user change it (the folder itself stays protected).
  ${IfNot} ${FileExists} "$INSTDIR\options.ini"
    WriteINIStr "$INSTDIR\options.ini" "Options" "ExploreFolder" "1"
    WriteINIStr "$INSTDIR\options.ini" "Options" "AskDelete" "1"
    WriteINIStr "$INSTDIR\options.ini" "Options" "ShowTips" "1"
    FlushINI "$INSTDIR\options.ini"
  ${EndIf}
  ${If} $MultiUser.InstallMode == "AllUsers"
    ExecWait '"$WINDIR\System32\icacls.exe" "$INSTDIR\options.ini" /grant *S-1-5-32-545:M' $0
    DetailPrint "icacls options.ini: $0"
  ${EndIf}

  CreateShortcut "$SMPROGRAMS\Vantor.lnk" "$INSTDIR\Vantor.exe"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Vantor"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Vantor.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallMode" "$MultiUser.InstallMode"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

; The user's favourites (HKEY_CURRENT_USER\Software\Vantor) and backups are theirs: kept.
Section "Uninstall"
  !insertmacro UnregisterShellExtension "$WINDIR\System32\regsvr32.exe" "$INSTDIR\VTShellExt.dll"
  ${If} ${FileExists} "$WINDIR\SysWOW64\regsvr32.exe"
    !insertmacro UnregisterShellExtension "$WINDIR\SysWOW64\regsvr32.exe" "$INSTDIR\x86\VTShellExt.dll"
  ${EndIf}
  Delete "$INSTDIR\Vantor.exe"
  Delete "$INSTDIR\VTShellExt.dll"
  Delete "$INSTDIR\x86\VTShellExt.dll"
  Delete "$INSTDIR\msn.sui"
  Delete "$INSTDIR\options.ini"
  Delete "$INSTDIR\desktop\vthelp.htm"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR\x86"
  RMDir "$INSTDIR\desktop"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Vantor.lnk"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
