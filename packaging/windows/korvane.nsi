; Korvane setup: a per-user installer (no administrator rights, for school and
; library computers) in English and French, chosen from the system language.
;
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DEXE=path/korvane.exe \
;            -DOUTFILE=dist/korvane-1.0.0-setup.exe packaging/windows/korvane.nsi
;
; Setup:     /S silent, /D=FOLDER another folder (last, unquoted),
;            /DESKTOP also a desktop shortcut in silent mode.
; Uninstall: /S silent, /REMOVEDATA also removes the results log and options
;            (HKCU\Software\Korvane), which are otherwise kept.
; Exit code 2 when Korvane kept running: nothing was changed.

Unicode true
; Debian's wine64 runs only 64-bit programs, and the program is 64-bit.
Target amd64-unicode

!ifndef VERSION
  !error "VERSION is not defined (-DVERSION=x.y.z)"
!endif
!ifndef EXE
  !error "EXE is not defined (-DEXE=path of korvane.exe)"
!endif
!ifndef OUTFILE
  !define OUTFILE "korvane-${VERSION}-setup.exe"
!endif
; makensis works in the script's folder: other paths are best absolute.
!define ICON "../../resources/icon/korvane.ico"

!define PUBLISHER "Velmoria Radio Authority"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvane"
!define DATA_KEY "Software\Korvane"
; While Korvane runs, it holds its single-instance mutex and has a main
; window of this class (the mutex also covers the moments before the window
; exists and after it is gone).
!define MAIN_WINDOW_CLASS "ZEB_MainWindowClass"
!define INSTANCE_MUTEX "Local\ZEB_MainWindowClass.Instance"
; How long a silent setup or uninstall waits for Korvane to end, in 0.5 s steps.
!define SILENT_WAIT_STEPS 20

Name "Korvane"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Korvane"
; An upgrade goes where the installed version is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
BrandingText "Korvane ${VERSION}"
ManifestSupportedOS all

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "Korvane"
VIAddVersionKey /LANG=0 "FileDescription" "Korvane setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "© 2000 ${PUBLISHER}"

!include "MUI2.nsh"
!include "nsDialogs.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
; Pictures drawn by scripts/package.sh from the icon art (optional).
!ifdef WIZARD_BITMAP
  !define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD_BITMAP}"
!endif
!ifdef HEADER_BITMAP
  !define MUI_HEADERIMAGE
  !define MUI_HEADERIMAGE_RIGHT
  !define MUI_HEADERIMAGE_BITMAP "${HEADER_BITMAP}"
  !define MUI_HEADERIMAGE_UNBITMAP "${HEADER_BITMAP}"
!endif
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!define MUI_WELCOMEPAGE_TEXT "$(Welcome)"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\korvane.exe"
!insertmacro MUI_PAGE_FINISH

UninstPage custom un.DataPageCreate un.DataPageLeave
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "French"

LangString Welcome ${LANG_ENGLISH} "Setup will install Korvane ${VERSION} for you alone, in a folder of your own: no administrator rights are needed.$\r$\n$\r$\nIf Korvane is running, quit it first. Over an earlier version, your results log and your options are kept.$\r$\n$\r$\n$_CLICK"
LangString Welcome ${LANG_FRENCH} "Ce programme va installer Korvane ${VERSION} pour vous seul, dans un dossier à vous : aucun droit d'administrateur n'est nécessaire.$\r$\n$\r$\nSi Korvane est ouvert, quittez-le d'abord. Sur une version précédente, votre journal de résultats et vos options sont conservés.$\r$\n$\r$\n$_CLICK"
LangString SecProgram ${LANG_ENGLISH} "Korvane and its Start menu shortcut"
LangString SecProgram ${LANG_FRENCH} "Korvane et son raccourci du menu Démarrer"
LangString SecDesktop ${LANG_ENGLISH} "Desktop shortcut"
LangString SecDesktop ${LANG_FRENCH} "Raccourci sur le bureau"
LangString Running ${LANG_ENGLISH} "Korvane is running. Please quit it (its Quit key), then click Retry."
LangString Running ${LANG_FRENCH} "Korvane est ouvert. Quittez-le (sa touche Quitter), puis cliquez sur Réessayer."
LangString StillRunning ${LANG_ENGLISH} "Korvane is still running: nothing was changed."
LangString StillRunning ${LANG_FRENCH} "Korvane est toujours ouvert : rien n'a été modifié."
LangString UnTitle ${LANG_ENGLISH} "Uninstall Korvane"
LangString UnTitle ${LANG_FRENCH} "Désinstaller Korvane"
LangString UnSubtitle ${LANG_ENGLISH} "Remove Korvane from this computer."
LangString UnSubtitle ${LANG_FRENCH} "Supprimer Korvane de cet ordinateur."
LangString UnText ${LANG_ENGLISH} "Korvane will be removed from the folder below, with its shortcuts.$\r$\n$\r$\nYour results log and your options stay on this computer for a later installation, unless you tick the box."
LangString UnText ${LANG_FRENCH} "Korvane sera supprimé du dossier ci-dessous, avec ses raccourcis.$\r$\n$\r$\nVotre journal de résultats et vos options restent sur cet ordinateur pour une installation ultérieure, sauf si vous cochez la case."
LangString UnRemoveData ${LANG_ENGLISH} "Also remove my results log and settings"
LangString UnRemoveData ${LANG_FRENCH} "Supprimer aussi mon journal de résultats et mes réglages"

Var RemoveData
Var RemoveDataBox

; Waits until no Korvane window is left: interactive, the user is asked to
; quit it (Retry) or gives up (Cancel); silent, a few seconds. Afterwards $0
; is 0 when Korvane is gone.
!macro WAIT_FOR_KORVANE un
Function ${un}WaitForKorvane
  StrCpy $1 0
  ${Do}
    FindWindow $0 "${MAIN_WINDOW_CLASS}"
    ${If} $0 = 0
      ; SYNCHRONIZE access is enough to learn that it exists.
      System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${INSTANCE_MUTEX}") p .r0'
      ${If} $0 P= 0
        ${Break}
      ${EndIf}
      System::Call 'kernel32::CloseHandle(p r0)'
    ${EndIf}
    ${If} ${Silent}
      ${If} $1 >= ${SILENT_WAIT_STEPS}
        ${Break}
      ${EndIf}
      IntOp $1 $1 + 1
      Sleep 500
    ${Else}
      ${If} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(Running)" /SD IDCANCEL IDCANCEL`
        ${Break}
      ${EndIf}
    ${EndIf}
  ${Loop}
FunctionEnd
!macroend
!insertmacro WAIT_FOR_KORVANE ""
!insertmacro WAIT_FOR_KORVANE "un."

Section "$(SecProgram)" SecProgram
  SectionIn RO
  ; Before any file is replaced: a half-replaced program is worse than none.
  Call WaitForKorvane
  ${If} $0 <> 0
    SetErrorLevel 2
    DetailPrint "$(StillRunning)"
    Abort "$(StillRunning)"
  ${EndIf}
  SetOutPath "$INSTDIR"
  File "/oname=korvane.exe" "${EXE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Korvane.lnk" "$INSTDIR\korvane.exe" "" "$INSTDIR\korvane.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Korvane"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\korvane.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$(SecDesktop)" SecDesktop
  CreateShortCut "$DESKTOP\Korvane.lnk" "$INSTDIR\korvane.exe" "" "$INSTDIR\korvane.exe" 0
SectionEnd

Function .onInit
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/DESKTOP" $R1
  ${IfNot} ${Errors}
    SectionSetFlags ${SecDesktop} ${SF_SELECTED}
  ${EndIf}
FunctionEnd

Function un.onInit
  StrCpy $RemoveData ${BST_UNCHECKED}
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/REMOVEDATA" $R1
  ${IfNot} ${Errors}
    StrCpy $RemoveData ${BST_CHECKED}
  ${EndIf}
FunctionEnd

Function un.DataPageCreate
  !insertmacro MUI_HEADER_TEXT "$(UnTitle)" "$(UnSubtitle)"
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 0 100% 40u "$(UnText)"
  Pop $0
  ${NSD_CreateText} 0 46u 100% 12u "$INSTDIR"
  Pop $0
  SendMessage $0 ${EM_SETREADONLY} 1 0
  ${NSD_CreateCheckbox} 0 70u 100% 12u "$(UnRemoveData)"
  Pop $RemoveDataBox
  ${NSD_SetState} $RemoveDataBox $RemoveData
  ; The one choice of the page has the focus: Space ticks it.
  ${NSD_SetFocus} $RemoveDataBox
  ; This page starts the removal: its button says so.
  GetDlgItem $0 $HWNDPARENT 1
  SendMessage $0 ${WM_SETTEXT} 0 "STR:$(^UninstallBtn)"
  nsDialogs::Show
FunctionEnd

Function un.DataPageLeave
  ${NSD_GetState} $RemoveDataBox $RemoveData
FunctionEnd

Section "Uninstall"
  Call un.WaitForKorvane
  ${If} $0 <> 0
    SetErrorLevel 2
    DetailPrint "$(StillRunning)"
    Abort "$(StillRunning)"
  ${EndIf}
  Delete "$SMPROGRAMS\Korvane.lnk"
  Delete "$DESKTOP\Korvane.lnk"
  Delete "$INSTDIR\korvane.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ${If} $RemoveData == ${BST_CHECKED}
    DeleteRegKey HKCU "${DATA_KEY}"
  ${EndIf}
SectionEnd
