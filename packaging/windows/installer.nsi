; The Windows installer: the program's terms, the program and what it needs into Program
; Files, a Start-menu shortcut, a desktop shortcut if asked for, and an uninstaller listed
; among the installed programs. /S installs and uninstalls without a question. Built by
; scripts/windows/make-installer.sh, which passes:
;   VERSION    the program's version
;   STAGE      the folder of files to install, as the portable zip holds them
;   FILES      an include with one File line per file
;   LIST       an include with the macros KELT_EACH_FILE and KELT_EACH_FOLDER, which run a
;              given macro on each file and each folder of the program, relative to it
;   UNINSTALL  Uninstall.exe, which runs the uninstaller proper (UninstallWizard.exe) and
;              waits for it (packaging/windows/uninstall.cpp)
;   OUTFILE    where the installer goes
;
; Exit codes, of the installer and of Uninstall.exe: 0 done; 1 cancelled on a page; 2 stopped,
; either with nothing changed (the program was running, and Cancel was chosen or /S given)
; or with the file that could not be replaced or removed named.

; A 64-bit installer for the 64-bit program: it writes the native registry and Program Files.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true
; A file that cannot be written stops the installation (Retry or Cancel) rather than being
; skipped with the old one left in its place.
AllowSkipFiles off

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "${LIST}"

!define PRODUCT "Kelt Descendant Astrology"
!define PUBLISHER "Sarvel Softwares"
!define EXE "KeltFreeDescendantAstrology.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KeltDescendantAstrology"
!define SITE "http://www.sarvelsoftwares.com/kelt-free-descendant-astrology/ssd.php?page=home-page"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PUBLISHER}\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PUBLISHER}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) ${PUBLISHER}"

Var InUse
Var Left

!define MUI_ICON "${STAGE}\kelt.ico"
!define MUI_UNICON "${STAGE}\kelt.ico"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION RunAsUser
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; A running copy of the program, whoever runs it and in whichever session, holds its
; executable and DLLs open, and Windows then refuses to open them for writing: so each file
; that would be replaced or removed is opened for writing (and left unchanged) first.
!macro KeltFileInUse REL
    ${If} $InUse == ""
    ${AndIf} ${FileExists} "$INSTDIR\${REL}"
        ClearErrors
        FileOpen $0 "$INSTDIR\${REL}" a
        ${If} ${Errors}
            StrCpy $InUse "$INSTDIR\${REL}"
        ${Else}
            FileClose $0
        ${EndIf}
    ${EndIf}
!macroend

; Asks for the program to be closed until none of its files is in use; Cancel, and /S, stop
; before anything has changed.
!macro KeltWaitForProgram UN WHAT
Function ${UN}WaitForProgram
    ${Do}
        StrCpy $InUse ""
        !insertmacro KELT_EACH_FILE KeltFileInUse
        ${If} $InUse == ""
            Return
        ${EndIf}
        DetailPrint "In use: $InUse"
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} is running, or one of its \
            files is in use:$\r$\n$InUse$\r$\n$\r$\nClose the program (for every user signed \
            in to this computer), then choose Retry. Cancel stops ${WHAT} and changes \
            nothing." /SD IDCANCEL IDRETRY +2
        Abort "${PRODUCT} is running: nothing was changed."
    ${Loop}
FunctionEnd
!macroend
!insertmacro KeltWaitForProgram "" "the installation"
!insertmacro KeltWaitForProgram "un." "the uninstallation"

Section "${PRODUCT}" SecProgram
    SectionIn RO
    SetShellVarContext all
    Call WaitForProgram
    SetOutPath "$INSTDIR"
    !include "${FILES}"
    File "/oname=Uninstall.exe" "${UNINSTALL}"
    WriteUninstaller "$INSTDIR\UninstallWizard.exe"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "${SITE}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "Desktop shortcut" SecDesktop
    SetShellVarContext all
    CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0
SectionEnd

; The Finish page's "Run" hands the program to Explorer, which starts it as the user signed
; in to the desktop, not as the administrator this installer runs as: the desktop's
; IShellDispatch2::ShellExecute, reached through IShellWindows::FindWindowSW, the way
; Microsoft's "Execute in Explorer" sample (Windows SDK) does it. Where there is no Explorer
; to ask, the program is not started at all rather than started elevated.
!define CLSID_ShellWindows "{9BA05972-F6A8-11CF-A442-00A0C90A8F39}"
!define IID_IShellWindows "{85CB6900-4D95-11CF-960C-0080C7F4EE85}"
!define IID_IServiceProvider "{6D5140C1-7436-11CE-8034-00AA006009FA}"
!define SID_STopLevelBrowser "{4C96BE40-915C-11CF-99D3-00AA004AE837}"
!define IID_IShellBrowser "{000214E2-0000-0000-C000-000000000046}"
!define IID_IDispatch "{00020400-0000-0000-C000-000000000046}"
!define IID_IShellFolderViewDual "{E7A1AF80-4D96-11CF-960C-0080C7F4EE85}"
!define IID_IShellDispatch2 "{A4C6892C-3BA9-11D2-9DEA-00C04FB16162}"
; Each step's result goes to $0; the interfaces to $1, $5 to $9 and $R0 to $R2; a step runs
; only while every one before it succeeded. Method numbers are the interfaces' vtable slots.
!macro KeltComStep CALL
    ${If} $0 == 0
        System::Call '${CALL} i .r0'
    ${EndIf}
!macroend
!macro KeltRelease INTERFACE
    ${If} ${INTERFACE} != 0
        System::Call '${INTERFACE}->2()'
    ${EndIf}
!macroend

Function RunAsUser
    StrCpy $0 0
    StrCpy $1 0
    StrCpy $5 0
    StrCpy $6 0
    StrCpy $7 0
    StrCpy $8 0
    StrCpy $9 0
    StrCpy $R0 0
    StrCpy $R1 0
    StrCpy $R2 0
    ; A VARIANT is 24 bytes: its type, three reserved words, then the value.
    System::Call '*(&i2 3, &i2 0, &i2 0, &i2 0, p 0, p 0) p .r2' ; VT_I4 CSIDL_DESKTOP
    System::Call '*(&i2 0, &i2 0, &i2 0, &i2 0, p 0, p 0) p .r3' ; VT_EMPTY
    System::Call 'oleaut32::SysAllocString(w "$INSTDIR\${EXE}") p .R3'
    System::Call 'oleaut32::SysAllocString(w "$INSTDIR") p .R4'
    System::Call '*(&i2 8, &i2 0, &i2 0, &i2 0, p R4, p 0) p .R5' ; VT_BSTR, the folder
    !insertmacro KeltComStep 'ole32::CoCreateInstance(g "${CLSID_ShellWindows}", p 0, \
        i 4, g "${IID_IShellWindows}", *p .r1)'
    ; FindWindowSW(desktop, empty, SWC_DESKTOP, &hwnd, SWFO_NEEDDISPATCH, &dispatch)
    !insertmacro KeltComStep '$1->15(p r2, p r3, i 8, *i .r4, i 1, *p .r5)'
    !insertmacro KeltComStep '$5->0(g "${IID_IServiceProvider}", *p .r6)'
    !insertmacro KeltComStep '$6->3(g "${SID_STopLevelBrowser}", g "${IID_IShellBrowser}", \
        *p .r7)'
    !insertmacro KeltComStep '$7->15(*p .r8)' ; QueryActiveShellView
    !insertmacro KeltComStep '$8->15(i 0, g "${IID_IDispatch}", *p .r9)' ; SVGIO_BACKGROUND
    !insertmacro KeltComStep '$9->0(g "${IID_IShellFolderViewDual}", *p .R0)'
    !insertmacro KeltComStep '$R0->7(*p .R1)' ; get_Application
    !insertmacro KeltComStep '$R1->0(g "${IID_IShellDispatch2}", *p .R2)'
    ; ShellExecute(file, arguments, folder, verb, show); a VARIANT goes by reference on x64.
    !insertmacro KeltComStep '$R2->31(p R3, p r3, p R5, p r3, p r3)'
    StrCpy $4 $0
    !insertmacro KeltRelease $R2
    !insertmacro KeltRelease $R1
    !insertmacro KeltRelease $R0
    !insertmacro KeltRelease $9
    !insertmacro KeltRelease $8
    !insertmacro KeltRelease $7
    !insertmacro KeltRelease $6
    !insertmacro KeltRelease $5
    !insertmacro KeltRelease $1
    System::Call 'oleaut32::SysFreeString(p R3)'
    System::Call 'oleaut32::SysFreeString(p R4)'
    System::Free $2
    System::Free $3
    System::Free $R5
    ${If} $4 != 0
        MessageBox MB_OK|MB_ICONINFORMATION "${PRODUCT} could not be started for you. Start \
            it from the Start menu."
    ${EndIf}
FunctionEnd

; Removes exactly what was installed, and only once nothing of the program is in use; what
; cannot be removed even so is reported, and the uninstaller and its entry stay so that it
; can be run again. Each user's setting (the reminder's date, in their own registry) stays,
; as it always has.
!macro KeltRemoveFile REL
    Delete "$INSTDIR\${REL}"
    ${If} ${FileExists} "$INSTDIR\${REL}"
        StrCpy $Left "$Left$\r$\n$INSTDIR\${REL}"
    ${EndIf}
!macroend
!macro KeltRemoveFolder REL
    RMDir "$INSTDIR\${REL}"
!macroend

Section "Uninstall"
    SetShellVarContext all
    Call un.WaitForProgram
    StrCpy $Left ""
    !insertmacro KELT_EACH_FILE KeltRemoveFile
    !insertmacro KELT_EACH_FOLDER KeltRemoveFolder
    ${If} $Left != ""
        MessageBox MB_OK|MB_ICONSTOP "These files could not be removed:$Left" /SD IDOK
        Abort "Some files could not be removed."
    ${EndIf}
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$DESKTOP\${PRODUCT}.lnk"
    ; Started by Uninstall.exe, this runs in its folder and Uninstall.exe removes the two of
    ; them and the folder once it has ended; started on its own, it runs from a copy of
    ; itself and removes them here.
    Delete "$INSTDIR\Uninstall.exe"
    Delete "$INSTDIR\UninstallWizard.exe"
    RMDir "$INSTDIR"
    RMDir "$INSTDIR\.."
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
