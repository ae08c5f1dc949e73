; Installer and uninstaller of Trayhush, one architecture per build. scripts/package.sh
; builds it:
;   makensis -DARCH=win64 -DVERSION=1.4 -DFILEVERSION=1.4.0.0 -DSTAGE=<folder> -DOUTFILE=<setup.exe> Trayhush.nsi
; STAGE holds Trayhush.exe, README.txt and LICENSE.txt.
;
; Command line of the installer: /S silent; /NOSTARTWITHWINDOWS leaves the "Start with
; Windows" component out (it is selected by default, also in a silent install);
; /D=<folder> the install folder. The uninstaller takes /S.

!ifdef ARCH & VERSION & FILEVERSION & STAGE & OUTFILE
!else
  !error "define ARCH (win32 or win64), VERSION, FILEVERSION, STAGE and OUTFILE"
!endif

!if "${ARCH}" == "win64"
  Target amd64-unicode
  InstallDir "$PROGRAMFILES64\Trayhush"
!else if "${ARCH}" == "win32"
  Target x86-unicode
  InstallDir "$PROGRAMFILES\Trayhush"
!else
  !error "ARCH must be win32 or win64"
!endif

!define RUN_KEY "SOFTWARE\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_KEY "Software\Trayhush"
!define UNINSTALL_KEY "SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Trayhush"
!define PUBLISHER "The Trayhush developers"
; The class of the program's main window (src/ui/main/MainWindow.cpp).
!define MAIN_WINDOW_CLASS "TrayhushMainWindow"

Unicode true
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel admin
Name "Trayhush ${VERSION}"
BrandingText "Trayhush ${VERSION}"
OutFile "${OUTFILE}"
; An update goes where the previous version is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${FILEVERSION}"
VIAddVersionKey ProductName "Trayhush"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey FileDescription "Trayhush ${VERSION} Setup"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey LegalCopyright "Copyright (c) 2026 ${PUBLISHER}"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include WinMessages.nsh

; makensis works in the script's folder.
!define MUI_ICON "../resources/disc_green.ico"
!define MUI_UNICON "../resources/disc_green.ico"
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Ends a running Trayhush of this session before its files are replaced or removed. A
; polite close lets it release a Shift key it may be holding and take its icon out of the
; notification area; ending the process is the fallback for one that does not answer.
!macro DEFINE_CLOSE_TRAYHUSH prefix
Function ${prefix}CloseTrayhush
  StrCpy $R9 0
  ${Do}
    FindWindow $0 "${MAIN_WINDOW_CLASS}"
    ${If} $0 = 0
    ${OrIf} $R9 >= 5
      ${Break}
    ${EndIf}
    IntOp $R9 $R9 + 1
    StrCpy $1 0
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
    ; SYNCHRONIZE | PROCESS_TERMINATE
    System::Call 'kernel32::OpenProcess(i 0x00100001, i 0, i r1) p .r2'
    System::Call 'user32::PostMessageW(p r0, i ${WM_CLOSE}, p 0, p 0)'
    ${If} $2 P<> 0
      System::Call 'kernel32::WaitForSingleObject(p r2, i 10000) i .r3'
      ${If} $3 <> 0
        System::Call 'kernel32::TerminateProcess(p r2, i 1)'
        System::Call 'kernel32::WaitForSingleObject(p r2, i 5000)'
      ${EndIf}
      System::Call 'kernel32::CloseHandle(p r2)'
    ${Else}
      Sleep 1000
    ${EndIf}
  ${Loop}
FunctionEnd
!macroend
!insertmacro DEFINE_CLOSE_TRAYHUSH ""
!insertmacro DEFINE_CLOSE_TRAYHUSH "un."

; The 64-bit program keeps its settings and its Run value in the 64-bit registry; the
; 32-bit one in the 32-bit view, which is the default for a 32-bit installer.
!macro MACHINE_CONTEXT
  !if "${ARCH}" == "win64"
    SetRegView 64
  !endif
  SetShellVarContext all
!macroend

!macro REQUIRE_ADMIN
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "admin"
    MessageBox MB_ICONSTOP "Trayhush is installed for all users: please run this as an administrator." /SD IDOK
    SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
    Quit
  ${EndIf}
!macroend

Section "Trayhush (required)" SecProgram
  SectionIn RO
  Call CloseTrayhush
  SetOutPath "$INSTDIR"
  File "${STAGE}/Trayhush.exe"
  File "${STAGE}/README.txt"
  File "${STAGE}/LICENSE.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Trayhush.lnk" "$INSTDIR\Trayhush.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Trayhush"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Trayhush.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The same text the program writes when its "Start With Windows" box is checked, so that
; the box shows checked on its first start.
Section "Start with Windows" SecStartup
  WriteRegStr HKLM "${RUN_KEY}" "Trayhush" '"$INSTDIR\Trayhush.exe"'
  ; The program prefers a per-user entry over this one: an old one would name another folder.
  DeleteRegValue HKCU "${RUN_KEY}" "Trayhush"
SectionEnd

; An update without "Start with Windows" also takes away an entry left by the previous one.
Section "-Without start with Windows"
  ${IfNot} ${SectionIsSelected} ${SecStartup}
    DeleteRegValue HKLM "${RUN_KEY}" "Trayhush"
    DeleteRegValue HKCU "${RUN_KEY}" "Trayhush"
  ${EndIf}
SectionEnd

Function .onInit
  !insertmacro MACHINE_CONTEXT
  !insertmacro REQUIRE_ADMIN
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/NOSTARTWITHWINDOWS" $1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecStartup}
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.CloseTrayhush
  ; A copy still running in another user's session keeps its file until the next restart.
  Delete /REBOOTOK "$INSTDIR\Trayhush.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir /REBOOTOK "$INSTDIR"
  Delete "$SMPROGRAMS\Trayhush.lnk"

  ; Where Windows refuses it machine-wide, the program keeps its entry and its settings
  ; per user instead.
  DeleteRegValue HKLM "${RUN_KEY}" "Trayhush"
  DeleteRegValue HKCU "${RUN_KEY}" "Trayhush"
  DeleteRegKey HKLM "${SETTINGS_KEY}"
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

Function un.onInit
  !insertmacro MACHINE_CONTEXT
  !insertmacro REQUIRE_ADMIN
FunctionEnd
