# The Windows installer, built by tools/windows/make-installer.sh with makensis
# from the files staged for the zip. It installs for the current user only, into
# %LOCALAPPDATA%\Programs\<name>, with no administrator prompt; it adds a
# Start-menu shortcut and an entry under "アプリと機能" (HKCU), and its
# uninstaller removes exactly the files it wrote, never a whole folder, since
# the user may have chosen one that holds other things.
#
# make-installer.sh defines: NAME, TITLE, EXECUTABLE, RELEASE, VERSION,
# PUBLISHER, COPYRIGHT, HOME_PAGE (cmake/identity.cmake), ICON, LICENSE (the
# notices of licenses/ in one text), FILES and UNFILES (the File and Delete
# lists made from the staged folder), SIZE_KB (the staged files' size), COMMIT
# (the commit the build names, or empty) and OUTFILE.

# 64-bit and Unicode: the program is 64-bit only, and the name is full-width.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh

!define EXE "${EXECUTABLE}.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"
!define SHORTCUT "$SMPROGRAMS\${TITLE}.lnk"

Name "${TITLE}"
Caption "${TITLE} ${RELEASE} セットアップ"
UninstallCaption "${TITLE} ${RELEASE} アンインストール"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
# An upgrade goes where the earlier release is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${TITLE} ${RELEASE}"

VIProductVersion ${VERSION}
VIFileVersion ${VERSION}
VIAddVersionKey /LANG=1041 ProductName "${TITLE}"
VIAddVersionKey /LANG=1041 ProductVersion "${RELEASE}"
VIAddVersionKey /LANG=1041 FileVersion "${RELEASE}"
VIAddVersionKey /LANG=1041 FileDescription "${TITLE} ${RELEASE} セットアップ"
VIAddVersionKey /LANG=1041 CompanyName "${PUBLISHER}"
VIAddVersionKey /LANG=1041 LegalCopyright "${COPYRIGHT}"
!if "${COMMIT}" != ""
  VIAddVersionKey /LANG=1041 Comments "commit ${COMMIT}"
!endif
# Each file keeps the time it was staged with, which build.sh sets to the
# commit's: so the installer holds no time of its making.
SetDateSave on

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!define MUI_WELCOMEPAGE_TEXT "${TITLE} ${RELEASE} を、このユーザーのためにインストールします。管理者の権限は要りません。$\r$\n$\r$\nスタート メニューに「${TITLE}」ができ、「アプリと機能」から削除できます。$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
# The notices are not an agreement to accept: the page has "次へ", not "同意する".
!define MUI_PAGE_HEADER_TEXT "ライセンス"
!define MUI_PAGE_HEADER_SUBTEXT "${TITLE} と一緒にインストールするライブラリーのライセンスと著作権表示です。"
!define MUI_LICENSEPAGE_TEXT_TOP "zip 版の licenses フォルダーと同じ内容です。"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "インストールした後も、インストール先の licenses フォルダーで読めます。$_CLICK"
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_FINISHPAGE_RUN_TEXT "今すぐ ${TITLE} を起動する(&R)"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Japanese"

# A running program cannot be replaced or removed: Windows refuses to open its
# file for writing. Asks to close it, and quits before anything is touched if
# the user cancels (or when silent).
!macro CHECK_NOT_RUNNING un
Function ${un}CheckNotRunning
  retry:
  IfFileExists "$INSTDIR\${EXE}" 0 done
  ClearErrors
  FileOpen $0 "$INSTDIR\${EXE}" a
  IfErrors 0 free
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${TITLE} が起動しています。$\r$\n$\r$\n${TITLE} を終了してから [再試行] を押してください。[キャンセル] を押すと、何も変えずに終わります。" /SD IDCANCEL IDRETRY retry
  SetErrorLevel 2
  Quit
  free:
  FileClose $0
  done:
FunctionEnd
!macroend
!insertmacro CHECK_NOT_RUNNING ""
!insertmacro CHECK_NOT_RUNNING "un."

Section
  SetShellVarContext current
  Call CheckNotRunning

  # An earlier install is removed by its own uninstaller, in place, so files
  # an older release had and this one lacks do not stay behind.
  ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $1 != ""
  ${AndIf} ${FileExists} "$1\${UNINSTALLER}"
    ExecWait '"$1\${UNINSTALLER}" /S _?=$1'
    Delete "$1\${UNINSTALLER}"
    RMDir "$1"
  ${EndIf}

  !include "${FILES}"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateShortcut "${SHORTCUT}" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${TITLE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${RELEASE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${HOME_PAGE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Call un.CheckNotRunning
  !include "${UNFILES}"
  Delete "$INSTDIR\${UNINSTALLER}"
  # Only if nothing else is left in it.
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
