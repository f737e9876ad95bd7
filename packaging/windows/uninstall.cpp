// Uninstall.exe: runs the uninstaller (UninstallWizard.exe, beside it) in its folder, waits
// for it, then removes the two of them and the folder, and ends with the uninstaller's exit
// code. An NSIS uninstaller started on its own copies itself elsewhere and ends at once with
// 0, whatever the copy then does; run in its folder it waits, but cannot remove its own file.
// This program holds no handle on its own file, so Windows lets it move that file out.
//   Uninstall.exe [/S]   exit code 0 removed, 2 nothing changed (the program ran, or the
//                        user cancelled), 3010 removed but for this file, gone at restart
#include <windows.h>

#include <string>

namespace {

constexpr DWORD NothingChanged = 2;
constexpr DWORD DoneAfterRestart = 3010; // ERROR_SUCCESS_REBOOT_REQUIRED

std::wstring Folder(const std::wstring &path)
{
    return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring OwnPath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// The arguments this program was given, as they were written.
std::wstring Arguments()
{
    const wchar_t *line = GetCommandLineW();
    bool quoted = false;
    while (*line && (quoted || (*line != L' ' && *line != L'\t'))) {
        if (*line == L'"')
            quoted = !quoted;
        ++line;
    }
    while (*line == L' ' || *line == L'\t')
        ++line;
    return line;
}

bool Silent(const std::wstring &arguments)
{
    const std::wstring padded = L" " + arguments + L" ";
    return padded.find(L" /S ") != std::wstring::npos;
}

// The wizard's exit code, or nothing when it could not be started.
bool RunWizard(const std::wstring &wizard, const std::wstring &folder, DWORD &code)
{
    // _?= must come last and takes the rest of the line, spaces and all.
    std::wstring line = L"\"" + wizard + L"\" " + Arguments() + L" _?=" + folder;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(wizard.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    code = NothingChanged;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    return true;
}

// Moves this running program's file into the temporary folder, to be deleted at the next
// restart; false where that cannot be done (a temporary folder on another drive).
bool MoveSelfOut(const std::wstring &self)
{
    wchar_t temp[MAX_PATH + 1];
    wchar_t name[MAX_PATH + 1];
    if (GetTempPathW(MAX_PATH + 1, temp) && GetTempFileNameW(temp, L"kel", 0, name) &&
        MoveFileExW(self.c_str(), name, MOVEFILE_REPLACE_EXISTING)) {
        MoveFileExW(name, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
        return true;
    }
    return false;
}

// Removes a file now, or at the next restart when it cannot be; false in the second case.
bool RemoveNowOrAtRestart(const std::wstring &path, bool folder)
{
    if (folder ? RemoveDirectoryW(path.c_str()) : DeleteFileW(path.c_str()))
        return true;
    MoveFileExW(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    return false;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const std::wstring self = OwnPath();
    const std::wstring folder = Folder(self);
    const std::wstring wizard = folder + L"\\UninstallWizard.exe";
    DWORD code = NothingChanged;
    if (!RunWizard(wizard, folder, code)) {
        if (!Silent(Arguments()))
            MessageBoxW(nullptr, (L"Cannot start " + wizard).c_str(),
                        L"Kelt Descendant Astrology Uninstall", MB_OK | MB_ICONSTOP);
        return int(NothingChanged);
    }
    if (code != 0)
        return int(code);

    // The wizard has removed everything else it installed, but not itself while it ran, nor
    // this program and the folder: that is done here, now that it has ended.
    bool now = RemoveNowOrAtRestart(wizard, false);
    if (!MoveSelfOut(self)) {
        RemoveNowOrAtRestart(self, false);
        now = false;
    }
    now = RemoveNowOrAtRestart(folder, true) && now;
    RemoveDirectoryW(Folder(folder).c_str()); // the publisher's, when nothing else is in it
    return now ? 0 : int(DoneAfterRestart);
}
