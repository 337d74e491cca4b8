; SPDX-License-Identifier: MIT
; The Windows installer: the program for the user who runs it, no administrator rights needed,
; into the user's programs folder, with a Start-menu shortcut, an entry in Apps / Programs and
; an uninstaller. /S installs or removes silently. cmake/WindowsInstaller.cmake builds it with:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.00 -DDIST=<folder with the files> -DICON=<.ico>
;            -DOUTFILE=<setup.exe> installer.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
ManifestSupportedOS all

!include MUI2.nsh
!include FileFunc.nsh

!define TITLE "Подбор контакторов"
!define PUBLISHER "TARVIS"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\selmak"

; In quotation marks, as the installer's Russian texts put the name where a noun would stand:
; "мастер установки «Подбор контакторов»".
Name "«${TITLE}»"
Caption "${TITLE} ${VERSION}: установка"
UninstallCaption "${TITLE} ${VERSION}: удаление"
BrandingText "${PUBLISHER}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\selmak"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0.0"
VIFileVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1049 "ProductName" "selmak-1"
VIAddVersionKey /LANG=1049 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1049 "FileDescription" "Установка программы ${TITLE}"
VIAddVersionKey /LANG=1049 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "LegalCopyright" "© 2026 The selmak developers, MIT License"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; The quoted name breaks the two pages' titles onto a third line.
!define MUI_WELCOMEPAGE_TITLE_3LINES
!define MUI_FINISHPAGE_TITLE_3LINES
!define MUI_FINISHPAGE_RUN "$INSTDIR\selmak.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Запустить программу «${TITLE}»"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\readme.txt"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Открыть описание (readme.txt)"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

; Everything the installer puts into the folder, and so everything the uninstaller removes there.
!macro Files action
    ${action} "selmak.exe"
    ${action} "selmak-find.exe"
    ${action} "readme.txt"
    ${action} "LICENSE.txt"
!macroend
!macro InstallFile name
    File "${DIST}/${name}"
!macroend
!macro RemoveFile name
    Delete "$INSTDIR\${name}"
!macroend

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    !insertmacro Files "!insertmacro InstallFile"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${TITLE}.lnk" "$INSTDIR\selmak.exe" "" "$INSTDIR\selmak.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${TITLE}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\selmak.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "http://www.tarvis.example/"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    !insertmacro Files "!insertmacro RemoveFile"
    Delete "$INSTDIR\uninstall.exe"
    ; Only when empty: a file the user put there stays, and so does its folder.
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${TITLE}.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
