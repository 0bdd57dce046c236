; The installer of "Vypnutí počítače": per user, without administrator rights, in Czech. CMake builds it
; (cmake/instalace.cmake):
;   makensis -INPUTCHARSET UTF8 -DVERZE=1.2.3.4 -DPROGRAM=vypnuti.exe -DIKONA=vypnuti.ico -DVYSTUP=out.exe
; It replaces an installed copy in place. A running program is asked to end the way its README
; describes (WM_CLOSE to its hidden window), which stores its schedule; once the new exe is in place it
; is started again and takes the stored schedule up.
; With /AllUsers (and /S for a silent deployment) it installs for every user of the computer instead:
; into Program Files, with administrator's rights (asked for in this mode only), an all-users Start-menu
; shortcut, the installed-programs entry and an autostart value under HKEY_LOCAL_MACHINE. That value
; starts the program at every user's log-on with /prihlaseni, which arms the administrator's or the
; user's schedule and opens no window.

Unicode true
; A 64-bit installer: it runs where the program runs, also under a Wine without 32-bit support.
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma
; An exe that cannot be replaced fails the install; skipped, it would leave the old program in place.
AllowSkipFiles off
; The build's file times stay out of the installer, so that one commit gives one installer byte for byte;
; installed files take the time of their install.
SetDateSave off

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
!define PRIKAZ_PRIHLASENI "/prihlaseni"

!include MUI2.nsh
!include LogicLib.nsh
!include WordFunc.nsh
!include WinMessages.nsh
!include FileFunc.nsh

Name "${NAZEV}"
OutFile "${VYSTUP}"
; A release with a certificate (tools/release.sh) signs the uninstaller before it goes in, and then
; the installer itself.
!ifdef PODEPSAT
  !uninstfinalize '"${PODEPSAT}" "%1"' = 0
  !finalize '"${PODEPSAT}" "%1"' = 0
!endif
InstallDir "$LOCALAPPDATA\Programs\${NAZEV}"
; An update goes where the installed copy is, also when its user chose another folder.
InstallDirRegKey HKCU "${KLIC_ODINSTALACE}" "InstallLocation"
BrandingText "${NAZEV} ${VERZE}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

Var Bezel ; 1 when a running program was ended: it is started again at the end
Var VsemUzivatelum ; 1: installed (or being installed) for every user, /AllUsers
Var Rozsah ; for whom it installs, as the welcome page says it

!define MUI_ICON "${IKONA}"
!define MUI_UNICON "${IKONA}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TITLE "Instalace programu ${NAZEV} ${VERZE}"
!define MUI_WELCOMEPAGE_TEXT "Program vypne, restartuje, odhlásí, uspí nebo zamkne počítač v čase, který zvolíte.$\r$\n$\r$\n$Rozsah Běží-li starší verze, průvodce ji ukončí, nahradí a znovu spustí; naplánovaná akce zůstane zachována.$\r$\n$\r$\nPokračujte klepnutím na Další."
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_PRE PredVolbouSlozky
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "Program ${NAZEV} je nainstalován; najdete jej v nabídce Start.$\r$\n$\r$\nV jeho hlavním okně klepněte na Nové, zvolte akci a čas a potvrďte tlačítkem Aktivace."
!define MUI_FINISHPAGE_TEXT_LARGE
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM_EXE}"
!define MUI_FINISHPAGE_RUN_TEXT "Spustit program ${NAZEV}"
!define MUI_FINISHPAGE_RUN_FUNCTION SpustProgram
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
; deleted. Only one runs per user; a second look catches one that was just starting. A copy run from
; another folder (a portable one) is not this installation's: it is ended only when the user agrees.
!macro FUNKCE_UKONCI_PROGRAM un
Function ${un}UkonciProgram
  StrCpy $Bezel 0
  ${For} $R9 1 3
    FindWindow $0 "${TRIDA_OKNA}"
    ${If} $0 == 0
      ${Break}
    ${EndIf}
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
    ; SYNCHRONIZE and PROCESS_QUERY_LIMITED_INFORMATION: enough to wait for it and to see its exe.
    System::Call 'kernel32::OpenProcess(i 0x00101000, i 0, i r1) p .r2'
    ${If} $2 != 0
      System::Call 'kernel32::QueryFullProcessImageNameW(p r2, i 0, w .r5, *i ${NSIS_MAX_STRLEN}) i .r6'
      System::Call 'kernel32::GetLongPathNameW(w "$INSTDIR\${PROGRAM_EXE}", w .r7, i ${NSIS_MAX_STRLEN}) i .r8'
      ; StrCmp ignores the letter case, as the file system does.
      ${If} $6 != 0
      ${AndIf} $5 != $7
        MessageBox MB_YESNO|MB_ICONQUESTION "Běží kopie programu ${NAZEV} z jiné složky, než je tato instalace:$\r$\n$5$\r$\n$\r$\nMá ji průvodce ukončit? Její naplánovaná akce zůstane uložena." /SD IDNO IDYES ukoncit
        System::Call 'kernel32::CloseHandle(p r2)'
        ${Break}
      ${EndIf}
    ${EndIf}
    ukoncit:
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

; With administrator's rights the work is done by this same installer (uninstaller) started again with
; them: the user is asked once, the one started waits, and its exit code becomes this one's. Refused
; rights end it with code 5.
!macro FUNKCE_SE_ZVYSENIM un
Function ${un}SeZvysenim
  Call ${un}Zvyseny
  ${If} $0 == 1
    Return
  ${EndIf}
  ${GetParameters} $R0
  ; What the command line had but the system took away: the uninstaller runs from a copy in the temporary
  ; folder that learns its install folder from "_?=" (last, unquoted), and /D= (also last) never reaches
  ; GetParameters. Without them the copy started again would copy itself anew and remove the wrong install.
  !if "${un}" == "un."
    StrCpy $R0 "$R0 _?=$INSTDIR"
  !else
    StrCpy $R0 "$R0 /D=$INSTDIR"
  !endif
  ; SHELLEXECUTEINFOW of 64-bit Windows: cbSize, fMask SEE_MASK_NOCLOSEPROCESS, the window, the verb,
  ; the file, the parameters, the folder, nShow; hProcess at offset 104.
  System::Alloc 112
  Pop $1
  System::Call '*$1(i 112, i 0x40, p $HWNDPARENT, w "runas", w "$EXEPATH", w R0, w "$EXEDIR", i ${SW_SHOWNORMAL})'
  System::Call 'shell32::ShellExecuteExW(p r1) i .r2'
  IntOp $3 $1 + 104
  System::Call '*$3(p .r4)'
  System::Free $1
  ${If} $2 == 0
  ${OrIf} $4 == 0
    !if "${un}" == "un."
      MessageBox MB_OK|MB_ICONSTOP "Odinstalace programu nainstalovaného pro všechny uživatele počítače potřebuje práva správce." /SD IDOK
    !else
      MessageBox MB_OK|MB_ICONSTOP "Instalace pro všechny uživatele počítače potřebuje práva správce." /SD IDOK
    !endif
    SetErrorLevel 5
    Quit
  ${EndIf}
  System::Call 'kernel32::WaitForSingleObject(p r4, i -1)'
  System::Call 'kernel32::GetExitCodeProcess(p r4, *i .r5)'
  System::Call 'kernel32::CloseHandle(p r4)'
  SetErrorLevel $5
  Quit
FunctionEnd
!macroend

; $0 is 1 when the shell (the signed-in user's desktop) runs under another account than this installer,
; as after "Run as administrator" with an administrator's name and password. Without a shell, or when
; its account cannot be read, nothing is known against the installer: 0.
Function JinyUzivatel
  StrCpy $0 0
  System::Call 'user32::GetShellWindow() p .r1'
  System::Call 'user32::GetWindowThreadProcessId(p r1, *i .r2)'
  ${If} $1 == 0
    Return
  ${EndIf}
  System::Call 'kernel32::OpenProcess(i 0x1000, i 0, i r2) p .r3'
  ${If} $3 == 0
    Return
  ${EndIf}
  ; TOKEN_QUERY; TokenUser (1) begins with the pointer to the account's SID.
  System::Call 'advapi32::OpenProcessToken(p r3, i 8, *p .r4) i .r5'
  System::Call 'kernel32::CloseHandle(p r3)'
  System::Call 'kernel32::GetCurrentProcess() p .r7'
  System::Call 'advapi32::OpenProcessToken(p r7, i 8, *p .r6) i .r7'
  System::Alloc 256
  Pop $8
  System::Alloc 256
  Pop $9
  ${If} $5 != 0
  ${AndIf} $7 != 0
    System::Call 'advapi32::GetTokenInformation(p r4, i 1, p r8, i 256, *i .r1) i .r5'
    System::Call 'advapi32::GetTokenInformation(p r6, i 1, p r9, i 256, *i .r1) i .r7'
    ${If} $5 != 0
    ${AndIf} $7 != 0
      System::Call '*$8(p .r1)'
      System::Call '*$9(p .r2)'
      System::Call 'advapi32::EqualSid(p r1, p r2) i .r3'
      ${If} $3 == 0
        StrCpy $0 1
      ${EndIf}
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r4)'
    System::Call 'kernel32::CloseHandle(p r6)'
  ${EndIf}
  System::Free $8
  System::Free $9
FunctionEnd

; $0 is 1 when this installer runs with raised (administrator's) rights.
!macro FUNKCE_ZVYSENY un
Function ${un}Zvyseny
  StrCpy $0 0
  System::Call 'kernel32::GetCurrentProcess() p .r2'
  System::Call 'advapi32::OpenProcessToken(p r2, i 8, *p .r1) i .r2'
  ${If} $2 != 0
    ; TokenElevation (20): one DWORD, non-zero when raised.
    System::Call 'advapi32::GetTokenInformation(p r1, i 20, *i .r3, i 4, *i .r4) i .r2'
    System::Call 'kernel32::CloseHandle(p r1)'
    ${If} $2 != 0
    ${AndIf} $3 != 0
      StrCpy $0 1
    ${EndIf}
  ${EndIf}
FunctionEnd
!macroend
!insertmacro FUNKCE_ZVYSENY ""
!insertmacro FUNKCE_ZVYSENY "un."
!insertmacro FUNKCE_SE_ZVYSENIM ""
!insertmacro FUNKCE_SE_ZVYSENIM "un."

; Starts the installed program as the shell starts programs: as the signed-in user, never with the
; rights of an installer run as administrator. The shell's process becomes its parent, and the new
; process takes that parent's token. Without a shell it starts as the installer's child, unless the
; installer's rights are raised: then the autostart value starts it at the next sign-in.
Function SpustProgram
  StrCpy $R0 '"$INSTDIR\${PROGRAM_EXE}"'
  StrCpy $3 0
  System::Call 'user32::GetShellWindow() p .r1'
  ${If} $1 != 0
    System::Call 'user32::GetWindowThreadProcessId(p r1, *i .r2)'
    ; PROCESS_CREATE_PROCESS: enough to make it the parent.
    System::Call 'kernel32::OpenProcess(i 0x0080, i 0, i r2) p .r3'
  ${EndIf}
  ${If} $3 == 0
    Call Zvyseny
    ${If} $0 == 0
      Exec $R0
    ${EndIf}
    Return
  ${EndIf}
  ; One attribute, PROC_THREAD_ATTRIBUTE_PARENT_PROCESS, in a list whose size the first call tells.
  System::Call 'kernel32::InitializeProcThreadAttributeList(p 0, i 1, i 0, *p 0 .r4)'
  System::Alloc $4
  Pop $5
  System::Call 'kernel32::InitializeProcThreadAttributeList(p r5, i 1, i 0, *p r4)'
  System::Call '*(p r3) p .r6'
  System::Call 'kernel32::UpdateProcThreadAttribute(p r5, i 0, p 0x00020000, p r6, p 8, p 0, p 0)'
  ; STARTUPINFOEXW of 64-bit Windows: cb (112) first, the attribute list at offset 104.
  System::Alloc 112
  Pop $7
  System::Call '*$7(i 112)'
  IntOp $8 $7 + 104
  System::Call '*$8(p r5)'
  System::Alloc 24
  Pop $9
  ; EXTENDED_STARTUPINFO_PRESENT
  System::Call 'kernel32::CreateProcessW(p 0, w R0, p 0, p 0, i 0, i 0x00080000, p 0, w "$INSTDIR", p r7, p r9) i .r0'
  ${If} $0 != 0
    System::Call '*$9(p .r1, p .r2)'
    System::Call 'kernel32::CloseHandle(p r1)'
    System::Call 'kernel32::CloseHandle(p r2)'
  ${EndIf}
  System::Call 'kernel32::DeleteProcThreadAttributeList(p r5)'
  System::Call 'kernel32::CloseHandle(p r3)'
  System::Free $9
  System::Free $7
  System::Free $6
  System::Free $5
FunctionEnd

; For every user the folder is not asked for: one a user could write to would let them put a program
; there that every user's log-on starts. /D= on the command line still chooses it.
Function PredVolbouSlozky
  ${If} $VsemUzivatelum == 1
    Abort
  ${EndIf}
FunctionEnd

Function .onInit
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/AllUsers" $R1
  StrCpy $VsemUzivatelum 0
  StrCpy $Rozsah "Instaluje se jen pro vás a nepotřebuje práva správce."
  ${IfNot} ${Errors}
    StrCpy $VsemUzivatelum 1
    StrCpy $Rozsah "Instaluje se pro všechny uživatele počítače a spustí se při každém jejich přihlášení."
    ; A folder given with /D= stays; the per-user one the installer would offer becomes the per-machine
    ; install's or Program Files.
    ReadRegStr $1 HKCU "${KLIC_ODINSTALACE}" "InstallLocation"
    ${If} $INSTDIR == "$LOCALAPPDATA\Programs\${NAZEV}"
    ${OrIf} $INSTDIR == $1
      ReadRegStr $INSTDIR HKLM "${KLIC_ODINSTALACE}" "InstallLocation"
      ${If} $INSTDIR == ""
        StrCpy $INSTDIR "$PROGRAMFILES64\${NAZEV}"
      ${EndIf}
    ${EndIf}
    Call SeZvysenim
    SetShellVarContext all
    Goto verze
  ${EndIf}
  SetShellVarContext current
  ; A per-user install for another account than the one signed in would land in that account's profile.
  Call JinyUzivatel
  ${If} $0 == 1
    MessageBox MB_OK|MB_ICONSTOP "Instalaci spustil jiný uživatel, než který je přihlášen (například volbou Spustit jako správce). Program se instaluje jen pro přihlášeného uživatele a práva správce nepotřebuje.$\r$\n$\r$\nSpusťte instalaci znovu obyčejným poklepáním." /SD IDOK
    SetErrorLevel 3
    Quit
  ${EndIf}
  verze:
  ReadRegStr $0 SHCTX "${KLIC_ODINSTALACE}" "DisplayVersion"
  ${If} $0 != ""
    ${VersionCompare} "$0" "${VERZE}" $1
    ${If} $1 == 1
      ; A silent install never downgrades: nobody is there to agree.
      MessageBox MB_YESNO|MB_ICONQUESTION "Je nainstalována novější verze $0. Opravdu ji chcete nahradit starší verzí ${VERZE}?" /SD IDNO IDYES nahradit
      SetErrorLevel 4
      Quit
      nahradit:
    ${EndIf}
  ${EndIf}
FunctionEnd

; A failed install leaves the old exe in place: the program ended for it goes on with its schedule.
Function .onInstFailed
  ${If} $Bezel == 1
    Call SpustProgram
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

; Adds the size of a file in bytes to $0.
!macro PRICTI_VELIKOST soubor
  FileOpen $1 "${soubor}" r
  FileSeek $1 0 END $2
  FileClose $1
  IntOp $0 $0 + $2
!macroend

Section
  ${If} $VsemUzivatelum == 1
    SetShellVarContext all
    WriteRegStr HKLM "${KLIC_RUN}" "${HODNOTA_AUTOSTARTU}" '"$INSTDIR\${PROGRAM_EXE}" ${PRIKAZ_PRIHLASENI}'
  ${Else}
    SetShellVarContext current
  ${EndIf}
  Call UkonciProgram
  SetOutPath "$INSTDIR"
  ; For every user the program runs in each session signed in, which no installer can end: the running
  ; exe is renamed aside (Windows lets a running exe be renamed, not overwritten), under a name of its
  ; own, as one put aside by an earlier update may still run, and goes at the next restart if in use.
  ${If} $VsemUzivatelum == 1
  ${AndIf} ${FileExists} "$INSTDIR\${PROGRAM_EXE}"
    System::Call 'kernel32::GetTickCount() i .r9'
    Rename "$INSTDIR\${PROGRAM_EXE}" "$INSTDIR\${PROGRAM_EXE}.$9.old"
  ${EndIf}
  File "/oname=${PROGRAM_EXE}" "${PROGRAM}"
  ${If} $VsemUzivatelum == 1
    Delete /REBOOTOK "$INSTDIR\${PROGRAM_EXE}.*.old"
  ${EndIf}
  WriteUninstaller "$INSTDIR\${ODINSTALATOR}"
  CreateShortcut "$SMPROGRAMS\${NAZEV}.lnk" "$INSTDIR\${PROGRAM_EXE}" "" "$INSTDIR\${PROGRAM_EXE}" 0 \
      SW_SHOWNORMAL "" "Naplánované vypnutí, restart, odhlášení, spánek nebo zamčení počítače"

  WriteRegStr SHCTX "${KLIC_ODINSTALACE}" "DisplayName" "${NAZEV}"
  WriteRegStr SHCTX "${KLIC_ODINSTALACE}" "DisplayVersion" "${VERZE}"
  WriteRegStr SHCTX "${KLIC_ODINSTALACE}" "Publisher" "${VYDAVATEL}"
  WriteRegStr SHCTX "${KLIC_ODINSTALACE}" "DisplayIcon" "$INSTDIR\${PROGRAM_EXE},0"
  WriteRegStr SHCTX "${KLIC_ODINSTALACE}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${KLIC_ODINSTALACE}" "UninstallString" '"$INSTDIR\${ODINSTALATOR}"'
  WriteRegStr SHCTX "${KLIC_ODINSTALACE}" "QuietUninstallString" '"$INSTDIR\${ODINSTALATOR}" /S'
  WriteRegDWORD SHCTX "${KLIC_ODINSTALACE}" "NoModify" 1
  WriteRegDWORD SHCTX "${KLIC_ODINSTALACE}" "NoRepair" 1
  ; The installed files only, in KB rounded up: a folder the user chose may hold much else.
  StrCpy $0 1023
  !insertmacro PRICTI_VELIKOST "$INSTDIR\${PROGRAM_EXE}"
  !insertmacro PRICTI_VELIKOST "$INSTDIR\${ODINSTALATOR}"
  IntOp $0 $0 / 1024
  WriteRegDWORD SHCTX "${KLIC_ODINSTALACE}" "EstimatedSize" $0

  ${If} $Bezel == 1
    Call SpustProgram
  ${EndIf}
SectionEnd

; An install for every user is the one whose entry under HKEY_LOCAL_MACHINE names this folder: removing
; it needs the administrator's rights.
Function un.onInit
  StrCpy $VsemUzivatelum 0
  ReadRegStr $0 HKLM "${KLIC_ODINSTALACE}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} $0 == $INSTDIR
    StrCpy $VsemUzivatelum 1
    Call un.SeZvysenim
  ${EndIf}
FunctionEnd

; Everything the program and this installer leave: the files, both shortcuts (the desktop one is made
; by the program's "Zástupce"), the stored schedule, the autostart values and the installed-programs
; entry. The program is ended first: it would store its schedule again on its way out. An install for
; every user leaves the users' own settings: they are theirs, in their profiles.
Section "Uninstall"
  ${If} $VsemUzivatelum == 1
    SetShellVarContext all
    Call un.UkonciProgram
    Delete /REBOOTOK "$INSTDIR\${PROGRAM_EXE}"
    Delete /REBOOTOK "$INSTDIR\${PROGRAM_EXE}.*.old"
    Delete "$INSTDIR\${ODINSTALATOR}"
    RMDir /REBOOTOK "$INSTDIR"
    Delete "$SMPROGRAMS\${NAZEV}.lnk"
    DeleteRegValue HKLM "${KLIC_RUN}" "${HODNOTA_AUTOSTARTU}"
    DeleteRegKey HKLM "${KLIC_ODINSTALACE}"
    Return
  ${EndIf}
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
