// A UI Automation client, as a Windows screen reader is one: it starts the program, goes
// through it from the keyboard (the update question, the birth-details window, a message,
// the about window, a reading, the exit window and its error message) and reads each of
// those windows from outside the process, through UI Automation's flat client functions.
// Every window's name and control type, and on Windows every control's name and control
// type, the lists' entries, the sign and reading shown and the exit window's support text.
// Wine 8 reads each window, but not into it: see README ("Windows").
//   kelt_uia_tour PROGRAM.exe
// The program runs as a copy beside itself under another name, so that its setting and its
// lock are the copy's own (the program keeps both under its file name).
#include <windows.h>

#include <oleauto.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

// MinGW-w64 declares only the provider side of UI Automation; these are the client's
// (UIAutomationCoreApi.h, UIAutomationClient.h).
using HUIANODE = void *;
enum ConditionType
{
    ConditionType_True = 0
};
struct UiaCondition
{
    ConditionType type;
};
enum TreeScope
{
    TreeScope_Element = 1
};
enum AutomationElementMode
{
    AutomationElementMode_Full = 1
};
struct UiaCacheRequest
{
    UiaCondition *viewCondition;
    TreeScope scope;
    const int *properties;
    int propertyCount;
    const int *patterns;
    int patternCount;
    AutomationElementMode mode;
};
struct UiaFindParams
{
    int maxDepth;
    BOOL findFirst;
    BOOL excludeRoot;
    UiaCondition *findCondition;
};
constexpr int ControlTypeProperty = 30003;
constexpr int NameProperty = 30005;
constexpr int AutomationIdProperty = 30011;
constexpr int ClassNameProperty = 30012;
constexpr int ValueProperty = 30045;
constexpr int WindowControl = 50032;

struct Uia
{
    HRESULT(WINAPI *nodeFromHandle)(HWND, HUIANODE *) = nullptr;
    HRESULT(WINAPI *getPropertyValue)(HUIANODE, int, VARIANT *) = nullptr;
    BOOL(WINAPI *nodeRelease)(HUIANODE) = nullptr;
    HRESULT(WINAPI *find)
    (HUIANODE, UiaFindParams *, UiaCacheRequest *, SAFEARRAY **, SAFEARRAY **,
     SAFEARRAY **) = nullptr;

    bool load()
    {
        HMODULE core = LoadLibraryW(L"uiautomationcore.dll");
        return core && get(core, "UiaNodeFromHandle", nodeFromHandle) &&
               get(core, "UiaGetPropertyValue", getPropertyValue) &&
               get(core, "UiaNodeRelease", nodeRelease) && get(core, "UiaFind", find);
    }

private:
    template <typename F> static bool get(HMODULE module, const char *name, F &function)
    {
        function = reinterpret_cast<F>(reinterpret_cast<void *>(GetProcAddress(module, name)));
        return function != nullptr;
    }
} uia;

int failures = 0;

void Fail(const std::string &what)
{
    std::printf("FAIL: %s\n", what.c_str());
    ++failures;
}

std::string Utf8(const wchar_t *text)
{
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
    return out;
}

// A property as text, a number as its digits; empty where the element has none.
std::string Text(const VARIANT &v)
{
    if (v.vt == VT_BSTR && v.bstrVal)
        return Utf8(v.bstrVal);
    if (v.vt == VT_I4)
        return std::to_string(v.lVal);
    return {};
}

std::string Property(HUIANODE node, int id)
{
    VARIANT v;
    VariantInit(&v);
    std::string out;
    if (SUCCEEDED(uia.getPropertyValue(node, id, &v)))
        out = Text(v);
    VariantClear(&v);
    return out;
}

struct Element
{
    std::string automationId, name, controlType, value;
};

// Wine 8 answers for each window of the program, but a step into a window (UiaNavigate,
// UiaFind) never returns and leaves the program hanging: its provider thread waits for
// Qt's window thread while that thread waits for it.
bool UnderWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// Every element inside the window, in tree order, with its properties.
std::vector<Element> Inside(HUIANODE window)
{
    UiaCondition all{ConditionType_True};
    const int properties[] = {AutomationIdProperty, NameProperty, ControlTypeProperty,
                              ValueProperty};
    UiaCacheRequest request{&all, TreeScope_Element,         properties, 4, nullptr,
                            0,    AutomationElementMode_Full};
    UiaFindParams params{-1, FALSE, TRUE, &all};
    SAFEARRAY *data = nullptr;
    SAFEARRAY *offsets = nullptr;
    SAFEARRAY *structures = nullptr;
    std::vector<Element> out;
    if (FAILED(uia.find(window, &params, &request, &data, &offsets, &structures)) || !data)
        return out;
    LONG first = 0, last = -1;
    SafeArrayGetLBound(data, 1, &first);
    SafeArrayGetUBound(data, 1, &last);
    for (LONG row = first; row <= last; ++row) {
        std::string columns[4];
        for (LONG column = 0; column < 4; ++column) {
            LONG at[2] = {row, column + 1}; // column 0 is the element itself
            VARIANT v;
            VariantInit(&v);
            if (SUCCEEDED(SafeArrayGetElement(data, at, &v)))
                columns[column] = Text(v);
            VariantClear(&v);
        }
        out.push_back({columns[0], columns[1], columns[2], columns[3]});
    }
    SafeArrayDestroy(data);
    SafeArrayDestroy(offsets);
    SafeArrayDestroy(structures);
    return out;
}

// The control's own name, the last part of its automation id ("frmMain.Frame1.txtName").
std::string ControlName(const std::string &automationId)
{
    return automationId.substr(automationId.rfind('.') + 1);
}

const Element *Find(const std::vector<Element> &elements, const std::string &control)
{
    for (const Element &e : elements)
        if (ControlName(e.automationId) == control)
            return &e;
    return nullptr;
}

// The control type a control's name promises, by the program's prefixes; 0 for none.
int PromisedType(const std::string &control)
{
    const struct
    {
        const char *prefix;
        int type;
    } kinds[] = {{"cmd", 50000}, {"txt", 50004}, {"cmb", 50003}, {"Check", 50002}};
    for (const auto &kind : kinds)
        if (control.rfind(kind.prefix, 0) == 0)
            return kind.type;
    return 0;
}

// On Windows: every control named and of the type its name promises, then what the window
// in particular must show.
void ReadInside(HUIANODE window, const std::string &form,
                const std::function<void(const std::vector<Element> &)> &check)
{
    const std::vector<Element> elements = Inside(window);
    if (elements.empty())
        Fail(form + ": nothing inside it could be read");
    for (const Element &e : elements) {
        const std::string control = ControlName(e.automationId);
        std::printf("  %s %s \"%s\"%s\n", e.controlType.c_str(), control.c_str(), e.name.c_str(),
                    e.value.empty() ? "" : (" = \"" + e.value + "\"").c_str());
        const int promised = PromisedType(control);
        if (promised && e.controlType != std::to_string(promised))
            Fail(form + "." + control + " is of control type " + e.controlType);
        if (promised && e.name.empty())
            Fail(form + "." + control + " has no name");
    }
    if (check)
        check(elements);
}

// The program's visible top-level window whose automation id is `form` ("" for a message
// box, whose class is QMessageBox), waited for up to 30 s.
struct Window
{
    HWND hwnd = nullptr;
    HUIANODE node = nullptr;
};

Window WaitForWindow(DWORD process, const std::string &form)
{
    for (int i = 0; i < 300; ++i) {
        struct Search
        {
            DWORD process;
            std::string form;
            Window found;
        } search{process, form, {}};
        EnumWindows(
            [](HWND hwnd, LPARAM data) -> BOOL {
                auto &s = *reinterpret_cast<Search *>(data);
                DWORD owner = 0;
                GetWindowThreadProcessId(hwnd, &owner);
                if (owner != s.process || !IsWindowVisible(hwnd))
                    return TRUE;
                HUIANODE node = nullptr;
                if (FAILED(uia.nodeFromHandle(hwnd, &node)) || !node)
                    return TRUE;
                const bool box = Property(node, ClassNameProperty) == "QMessageBox";
                if (s.form.empty()
                        ? box
                        : !box && ControlName(Property(node, AutomationIdProperty)) == s.form) {
                    s.found = {hwnd, node};
                    return FALSE;
                }
                uia.nodeRelease(node);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found.node)
            return search.found;
        Sleep(100);
    }
    return {};
}

// Reads the window at its top; `inside` checks its controls on Windows.
Window Read(DWORD process, const std::string &form, const std::string &title,
            const std::function<void(const std::vector<Element> &)> &inside = {})
{
    const std::string what = form.empty() ? "message box" : form;
    const Window window = WaitForWindow(process, form);
    if (!window.node) {
        Fail(what + " did not open");
        return window;
    }
    const std::string name = Property(window.node, NameProperty);
    const std::string type = Property(window.node, ControlTypeProperty);
    std::printf("%s: control type %s, name \"%s\"\n", what.c_str(), type.c_str(), name.c_str());
    if (type != std::to_string(WindowControl))
        Fail(what + " is of control type " + type + ", not a window");
    if (name != title)
        Fail(what + " is named \"" + name + "\", not \"" + title + "\"");
    if (UnderWine())
        std::printf("  (Wine 8: the controls inside are not read)\n");
    else
        ReadInside(window.node, what, inside);
    return window;
}

void Release(Window &window)
{
    if (window.node)
        uia.nodeRelease(window.node);
    window.node = nullptr;
}

// Keys as a user types them, into the window, which is brought to the front first.
void Keys(const Window &window, const std::vector<std::vector<WORD>> &chords)
{
    if (!window.hwnd)
        return;
    SetForegroundWindow(window.hwnd);
    for (int i = 0; i < 50 && GetForegroundWindow() != window.hwnd; ++i)
        Sleep(100);
    for (const auto &chord : chords) {
        std::vector<INPUT> inputs;
        for (const WORD key : chord) {
            INPUT in{};
            in.type = INPUT_KEYBOARD;
            in.ki.wVk = key;
            inputs.push_back(in);
        }
        for (auto key = chord.rbegin(); key != chord.rend(); ++key) {
            INPUT in{};
            in.type = INPUT_KEYBOARD;
            in.ki.wVk = *key;
            in.ki.dwFlags = KEYEVENTF_KEYUP;
            inputs.push_back(in);
        }
        SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
        Sleep(150);
    }
}

// The program's setting as the program writes it (each character's Windows-1252 code plus
// 85, section "Settings" under the program's file name): an update reminder last made on
// 1 January 2000, so that the program asks its question.
std::wstring Scrambled(const std::string &text)
{
    std::string codes;
    for (const char c : text)
        codes += char(static_cast<unsigned char>(c) + 85);
    std::wstring out(codes.size(), L'\0');
    MultiByteToWideChar(1252, 0, codes.data(), int(codes.size()), out.data(), int(out.size()));
    return out;
}

const wchar_t SettingsKey[] = L"Software\\VB and VBA Program Settings\\KeltUiaTour";

bool StoreOldReminder()
{
    HKEY key = nullptr;
    const std::wstring path = std::wstring(SettingsKey) + L"\\Settings";
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return false;
    const std::wstring value = Scrambled("2000-01-01");
    const bool ok = RegSetValueExW(key, Scrambled("Duration").c_str(), 0, REG_SZ,
                                   reinterpret_cast<const BYTE *>(value.c_str()),
                                   DWORD((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (argc != 2) {
        std::printf("usage: kelt_uia_tour PROGRAM.exe\n");
        return 2;
    }
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (!uia.load()) {
        std::printf("FAIL: uiautomationcore.dll lacks the client functions\n");
        return 1;
    }
    const std::wstring program = argv[1];
    const std::wstring copy =
        program.substr(0, program.find_last_of(L"\\/") + 1) + L"KeltUiaTour.exe";
    if (!CopyFileW(program.c_str(), copy.c_str(), FALSE) || !StoreOldReminder()) {
        std::printf("FAIL: cannot make the program's copy and its setting\n");
        return 1;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring line = L"\"" + copy + L"\"";
    if (!CreateProcessW(copy.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::printf("FAIL: cannot start %s\n", Utf8(copy.c_str()).c_str());
        return 1;
    }
    const DWORD pid = process.dwProcessId;
    const std::string title = "Kelt Descendant Astrology";
    const std::string caption = title + " v1.15";
    constexpr WORD Alt = VK_MENU;

    // The update question (Yes/No); No, so that no page opens.
    Window w = Read(pid, "", title);
    Keys(w, {{VK_ESCAPE}});
    Release(w);

    w = Read(pid, "frmMain", caption, [](const std::vector<Element> &e) {
        const struct
        {
            const char *list;
            const char *entry;
        } lists[] = {
            {"cmbTime", "4am-6am"}, {"cmbDate", "1"}, {"cmbMonth", "January"}, {"cmbYear", "1900"}};
        for (const auto &l : lists) {
            const Element *list = Find(e, l.list);
            if (!list || list->value != l.entry)
                Fail(std::string(l.list) + " does not show " + l.entry);
        }
        int entries = 0;
        for (const Element &element : e)
            entries += element.controlType == "50007"; // list item
        if (entries < 12 + 31 + 12 + 151)
            Fail("the lists hold " + std::to_string(entries) + " entries");
    });
    // Find without a name: the information message.
    Keys(w, {{VK_RETURN}});
    Window box = Read(pid, "", title);
    Keys(box, {{VK_RETURN}});
    Release(box);
    // Help, About.
    Keys(w, {{Alt, 'H'}, {'A'}});
    Window about = Read(pid, "frmAbout", caption);
    Keys(about, {{VK_RETURN}});
    Release(about);
    // A name, then Find: the reading of 1 January 1900, 4am-6am.
    Keys(w, {{'A'}, {'N'}, {'N'}, {VK_RETURN}});
    Release(w);
    w = Read(pid, "frmDisplay", caption, [](const std::vector<Element> &e) {
        const Element *sign = Find(e, "lblYourDescendantSign");
        const Element *reading = Find(e, "lblMoreAboutSign");
        if (!sign || sign->name.empty() || !reading || reading->name.size() < 100)
            Fail("the result window shows no sign or no reading");
    });
    Keys(w, {{Alt, 'E'}});
    Release(w);
    w = Read(pid, "frmNagScreen2", caption, [](const std::vector<Element> &e) {
        const Element *support = Find(e, "Label2");
        if (!support || support->name.empty())
            Fail("the exit window shows no support text");
    });
    // Refer A Friend Now with the boxes as they came: the error message.
    Keys(w, {{Alt, 'N'}});
    box = Read(pid, "", title);
    Keys(box, {{VK_RETURN}});
    Release(box);
    Keys(w, {{Alt, 'X'}});
    Release(w);

    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
        Fail("the program did not end on Exit");
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKey);
    DeleteFileW(copy.c_str());
    std::printf("%s\n", failures ? "FAILED" : "passed");
    return failures ? 1 : 0;
}
