; The installer of "Vypnutí počítače": per user, without administrator rights, in Czech. CMake builds it
; (cmake/instalace.cmake):
;   makensis -INPUTCHARSET UTF8 -DVERZE=1.2.3.4 -DPROGRAM=vypnuti.exe -DIKONA=vypnuti.ico -DVYSTUP=out.exe
; It replaces an installed copy in place. A running program is asked to end the way its README
; describes (WM_CLOSE to its hidden window), which stores its schedule; once the new exe is in place it
; is started again and takes the stored schedule up.

Unicode true
; A 64-bit installer: it runs where the program runs, also under a Wine without 32-bit support.
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma
; An exe that cannot be replaced fails the install; skipped, it would leave the old program in place.
AllowSkipFiles off

!define NAZEV "Vypnutí počítače"
!define VYDAVATEL "ZD"
!define PROGRAM_EXE "vypnuti.exe"
!define ODINSTALATOR "odinstalovat.exe"
!define TRIDA_OKNA "frmkzupozorneni"
; The installed-programs entry; ZDKZ is the program's own name for itself (settings, autostart).
!define KLIC_ODINSTALACE "Software\Microsoft\Windows\CurrentVersion\Uninstall\ZDKZ"
!define KLIC_FIRMY "Software\ZD"
!define KLIC_NASTAVENI "Software\ZD\ZDKZ"
!define KLIC_RUN "Software\Microsoft\Windows\CurrentVersion\Run"
!define KLIC_RUNONCE "Software\Microsoft\Windows\CurrentVersion\RunOnce"
!define HODNOTA_AUTOSTARTU "ZDKZ"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include WinMessages.nsh

Name "${NAZEV}"
OutFile "${VYSTUP}"
InstallDir "$LOCALAPPDATA\Programs\${NAZEV}"
; An update goes where the installed copy is, also when its user chose another folder.
InstallDirRegKey HKCU "${KLIC_ODINSTALACE}" "InstallLocation"
BrandingText "${NAZEV} ${VERZE}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

Var Bezel ; 1 when a running program was ended: it is started again at the end

!define MUI_ICON "${IKONA}"
!define MUI_UNICON "${IKONA}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TITLE "Instalace programu ${NAZEV} ${VERZE}"
!define MUI_WELCOMEPAGE_TEXT "Program vypne, restartuje, odhlásí, uspí nebo zamkne počítač v čase, který zvolíte.$\r$\n$\r$\nInstaluje se jen pro vás a nepotřebuje práva správce. Běží-li starší verze, průvodce ji ukončí, nahradí a znovu spustí; naplánovaná akce zůstane zachována.$\r$\n$\r$\nPokračujte klepnutím na Další."
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "Program ${NAZEV} je nainstalován; najdete jej v nabídce Start.$\r$\n$\r$\nV jeho hlavním okně klepněte na Nové, zvolte akci a čas a potvrďte tlačítkem Aktivace."
!define MUI_FINISHPAGE_TEXT_LARGE
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM_EXE}"
!define MUI_FINISHPAGE_RUN_TEXT "Spustit program ${NAZEV}"
!define MUI_PAGE_CUSTOMFUNCTION_SHOW ZobrazDokonceni
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Czech"

VIProductVersion "${VERZE}"
VIFileVersion "${VERZE}"
VIAddVersionKey /LANG=${LANG_CZECH} "ProductName" "${NAZEV}"
VIAddVersionKey /LANG=${LANG_CZECH} "FileDescription" "Instalace programu ${NAZEV}"
VIAddVersionKey /LANG=${LANG_CZECH} "CompanyName" "${VYDAVATEL}"
VIAddVersionKey /LANG=${LANG_CZECH} "LegalCopyright" "© 2026 ${VYDAVATEL}"
VIAddVersionKey /LANG=${LANG_CZECH} "FileVersion" "${VERZE}"
VIAddVersionKey /LANG=${LANG_CZECH} "ProductVersion" "${VERZE}"

; Ends the running program, if any, and waits for its process, so that its exe is free to be replaced or
; deleted. Only one runs per user; a second look catches one that was just starting.
!macro FUNKCE_UKONCI_PROGRAM un
Function ${un}UkonciProgram
  StrCpy $Bezel 0
  ${For} $R9 1 3
    FindWindow $0 "${TRIDA_OKNA}"
    ${If} $0 == 0
      ${Break}
    ${EndIf}
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
    ; SYNCHRONIZE: enough to wait for it.
    System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2'
    System::Call 'user32::PostMessageW(p r0, i ${WM_CLOSE}, p 0, p 0)'
    StrCpy $Bezel 1
    ${If} $2 != 0
      System::Call 'kernel32::WaitForSingleObject(p r2, i 20000) i .r3'
      System::Call 'kernel32::CloseHandle(p r2)'
    ${Else}
      ; Not allowed to wait for the process: its window going is the next best sign.
      StrCpy $3 1
      ${For} $R8 1 200
        System::Call 'user32::IsWindow(p r0) i .r4'
        ${If} $4 == 0
          StrCpy $3 0
          ${Break}
        ${EndIf}
        Sleep 100
      ${Next}
    ${EndIf}
    ${If} $3 != 0
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Program ${NAZEV} se nepodařilo ukončit.$\r$\n$\r$\nUkončete jej (ikona v oznamovací oblasti, tlačítko Ukončit) a zvolte Opakovat." /SD IDCANCEL IDRETRY +2
      Abort
      StrCpy $R9 0
    ${EndIf}
  ${Next}
FunctionEnd
!macroend
!insertmacro FUNKCE_UKONCI_PROGRAM ""
!insertmacro FUNKCE_UKONCI_PROGRAM "un."

Function .onInit
  SetShellVarContext current
  ReadRegStr $0 HKCU "${KLIC_ODINSTALACE}" "DisplayVersion"
  ${If} $0 != ""
    ${VersionCompare} "$0" "${VERZE}" $1
    ${If} $1 == 1
      MessageBox MB_YESNO|MB_ICONQUESTION "Je nainstalována novější verze $0. Opravdu ji chcete nahradit starší verzí ${VERZE}?" /SD IDYES IDYES +2
      Abort
    ${EndIf}
  ${EndIf}
FunctionEnd

; A failed install leaves the old exe in place: the program ended for it goes on with its schedule.
Function .onInstFailed
  ${If} $Bezel == 1
    Exec '"$INSTDIR\${PROGRAM_EXE}"'
  ${EndIf}
FunctionEnd

; The program started again at the end: offering to start it once more would only start a second copy,
; which ends at once.
Function ZobrazDokonceni
  ${If} $Bezel == 1
    ${NSD_Uncheck} $mui.FinishPage.Run
    ShowWindow $mui.FinishPage.Run ${SW_HIDE}
  ${EndIf}
FunctionEnd

Section
  SetShellVarContext current
  Call UkonciProgram
  SetOutPath "$INSTDIR"
  File "/oname=${PROGRAM_EXE}" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\${ODINSTALATOR}"
  CreateShortcut "$SMPROGRAMS\${NAZEV}.lnk" "$INSTDIR\${PROGRAM_EXE}" "" "$INSTDIR\${PROGRAM_EXE}" 0 \
      SW_SHOWNORMAL "" "Naplánované vypnutí, restart, odhlášení, spánek nebo zamčení počítače"

  WriteRegStr HKCU "${KLIC_ODINSTALACE}" "DisplayName" "${NAZEV}"
  WriteRegStr HKCU "${KLIC_ODINSTALACE}" "DisplayVersion" "${VERZE}"
  WriteRegStr HKCU "${KLIC_ODINSTALACE}" "Publisher" "${VYDAVATEL}"
  WriteRegStr HKCU "${KLIC_ODINSTALACE}" "DisplayIcon" "$INSTDIR\${PROGRAM_EXE},0"
  WriteRegStr HKCU "${KLIC_ODINSTALACE}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${KLIC_ODINSTALACE}" "UninstallString" '"$INSTDIR\${ODINSTALATOR}"'
  WriteRegStr HKCU "${KLIC_ODINSTALACE}" "QuietUninstallString" '"$INSTDIR\${ODINSTALATOR}" /S'
  WriteRegDWORD HKCU "${KLIC_ODINSTALACE}" "NoModify" 1
  WriteRegDWORD HKCU "${KLIC_ODINSTALACE}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${KLIC_ODINSTALACE}" "EstimatedSize" $0

  ${If} $Bezel == 1
    Exec '"$INSTDIR\${PROGRAM_EXE}"'
  ${EndIf}
SectionEnd

; Everything the program and this installer leave: the files, both shortcuts (the desktop one is made
; by the program's "Zástupce"), the stored schedule, the autostart values and the installed-programs
; entry. The program is ended first: it would store its schedule again on its way out.
Section "Uninstall"
  SetShellVarContext current
  Call un.UkonciProgram
  Delete "$INSTDIR\${PROGRAM_EXE}"
  Delete "$INSTDIR\${ODINSTALATOR}"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${NAZEV}.lnk"
  Delete "$DESKTOP\${NAZEV}.lnk"
  DeleteRegKey HKCU "${KLIC_NASTAVENI}"
  DeleteRegKey /ifempty HKCU "${KLIC_FIRMY}"
  DeleteRegValue HKCU "${KLIC_RUN}" "${HODNOTA_AUTOSTARTU}"
  DeleteRegValue HKCU "${KLIC_RUNONCE}" "${HODNOTA_AUTOSTARTU}"
  DeleteRegKey HKCU "${KLIC_ODINSTALACE}"
SectionEnd
