; The Windows installer of the client: the program, a Start-menu folder with the program
; and the uninstaller, and an entry under "Programs and Features".
; makensis -INPUTCHARSET UTF8 -DPROGRAM=path\to\tarnwick.exe -DOUTFILE=setup.exe tarnwick.nsi
; The program is 64-bit, and so is its installer.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!ifndef PROGRAM | OUTFILE
  !error "PROGRAM (the built tarnwick.exe) and OUTFILE must be defined"
!endif

; The version comes from the program's own version information, so the two never differ.
!getdllversion "${PROGRAM}" PROGRAM_VERSION_
!define VERSION "${PROGRAM_VERSION_1}.${PROGRAM_VERSION_2}.${PROGRAM_VERSION_3}"
!define PRODUCT "Tarnwick动态域名解析客户端"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarnwick"

!include "MUI2.nsh"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Tarnwick"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${PROGRAM_VERSION_1}.${PROGRAM_VERSION_2}.${PROGRAM_VERSION_3}.${PROGRAM_VERSION_4}"
VIAddVersionKey /LANG=2052 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=2052 "CompanyName" "Tarnwick"
VIAddVersionKey /LANG=2052 "LegalCopyright" "© Tarnwick"
VIAddVersionKey /LANG=2052 "FileDescription" "${PRODUCT} 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"

!define MUI_ICON "${NSISDIR}\Contrib\Graphics\Icons\modern-install.ico"
!define MUI_UNICON "${NSISDIR}\Contrib\Graphics\Icons\modern-uninstall.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\tarnwick.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

Function .onInit
  ; The registry entries belong in the 64-bit view, beside the 64-bit program.
  SetRegView 64
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section "Tarnwick"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "/oname=tarnwick.exe" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\Tarnwick"
  CreateShortCut "$SMPROGRAMS\Tarnwick\${PRODUCT}.lnk" "$INSTDIR\tarnwick.exe"
  CreateShortCut "$SMPROGRAMS\Tarnwick\卸载 Tarnwick.lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Tarnwick"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tarnwick.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Tarnwick\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\Tarnwick\卸载 Tarnwick.lnk"
  RMDir "$SMPROGRAMS\Tarnwick"
  Delete "$INSTDIR\tarnwick.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
