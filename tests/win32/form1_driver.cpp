// Starts the real quennarix.exe and checks, through window messages, what a
// user of it sees. usage: form1_driver QUENNARIX_EXE DPI
#include "font_probe.hpp"
#include "form/layout.hpp"
#include "win32/control_ids.hpp"

#include <cstdio>
#include <string>
#include <vector>
#include <windows.h>

namespace {

using namespace quennarix::form;
using quennarix::testing::ProbedControl;
using quennarix::testing::ProbeResult;

int gFailures = 0;

void check(bool ok, const std::wstring &what)
{
    std::wprintf(L"%ls: %ls\n", ok ? L"ok" : L"FAILED", what.c_str());
    gFailures += ok ? 0 : 1;
}

std::wstring widen(const char *ascii)
{
    return {ascii, ascii + std::char_traits<char>::length(ascii)};
}

std::wstring textOf(HWND window)
{
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::wstring classOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

template <class Condition> bool waitFor(Condition condition, DWORD milliseconds = 5000)
{
    for (DWORD waited = 0; waited < milliseconds; waited += 10) {
        if (condition())
            return true;
        Sleep(10);
    }
    return condition();
}

std::vector<HWND> topLevelWindowsOf(DWORD process)
{
    struct Search
    {
        DWORD process;
        std::vector<HWND> found;
    } search{process, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto *search = reinterpret_cast<Search *>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == search->process && IsWindowVisible(window))
                search->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND visibleMessageBox(DWORD process)
{
    for (HWND window : topLevelWindowsOf(process)) {
        if (classOf(window) == L"#32770")
            return window;
    }
    return nullptr;
}

std::wstring versionString(const std::vector<BYTE> &info, const wchar_t *name)
{
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    void *value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(info.data(), path.c_str(), &value, &length) || length == 0)
        return L"(missing)";
    return static_cast<const wchar_t *>(value);
}

void checkVersionResource(const wchar_t *exe)
{
    std::vector<BYTE> info(GetFileVersionInfoSizeW(exe, nullptr));
    check(!info.empty() &&
              GetFileVersionInfoW(exe, 0, static_cast<DWORD>(info.size()), info.data()),
          L"version resource present");
    if (info.empty())
        return;
    for (const auto &[name, expected] :
         {std::pair{L"ProductName", L"quennarix"}, std::pair{L"InternalName", L"quennarix"},
          std::pair{L"OriginalFilename", L"quennarix.exe"}, std::pair{L"FileVersion", L"1.00"},
          std::pair{L"ProductVersion", L"1.00"}}) {
        const std::wstring value = versionString(info, name);
        check(value == expected, std::wstring(name) + L" is " + value);
    }
    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    VerQueryValueW(info.data(), L"\\", reinterpret_cast<void **>(&fixed), &length);
    check(fixed != nullptr && fixed->dwFileVersionMS == 0x00010000 && fixed->dwFileVersionLS == 0 &&
              fixed->dwProductVersionMS == 0x00010000 && fixed->dwProductVersionLS == 0,
          L"numeric version 1.0.0.0");
}

#pragma pack(push, 2)
struct IconGroupEntry
{
    BYTE width, height, colours, reserved;
    WORD planes, bitsPerPixel;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

void checkIconImages(const wchar_t *exe)
{
    HMODULE module = LoadLibraryExW(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC group = nullptr;
    EnumResourceNamesW(
        module, MAKEINTRESOURCEW(14), // RT_GROUP_ICON
        [](HMODULE from, LPCWSTR type, LPWSTR name, LONG_PTR found) -> BOOL {
            *reinterpret_cast<HRSRC *>(found) = FindResourceW(from, name, type);
            return FALSE; // the first group is the program's icon
        },
        reinterpret_cast<LONG_PTR>(&group));
    check(group != nullptr, L"icon group present");
    if (group == nullptr)
        return;
    const auto *data = static_cast<const BYTE *>(LockResource(LoadResource(module, group)));
    const WORD count = reinterpret_cast<const WORD *>(data)[2];
    std::wstring images;
    for (WORD index = 0; index < count; ++index) {
        const auto *entry = reinterpret_cast<const IconGroupEntry *>(data + 6) + index;
        images += std::to_wstring(entry->width) + L"x" + std::to_wstring(entry->height) + L"/" +
                  std::to_wstring(entry->colours == 0 ? 256 : entry->colours) + L" ";
    }
    check(images == L"32x32/2 32x32/16 16x16/16 ", L"icon images " + images);
    FreeLibrary(module);
}

class Program
{
public:
    explicit Program(const wchar_t *exe)
    {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring commandLine = std::wstring(L"\"") + exe + L"\"";
        m_started = CreateProcessW(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &m_process);
        if (!m_started)
            return;
        WaitForInputIdle(m_process.hProcess, 10000);
        waitFor([this] {
            for (HWND window : topLevelWindowsOf(m_process.dwProcessId)) {
                // FindWindow ignores case; the caption must match exactly.
                if (textOf(window) == widen(kWindowCaption))
                    m_form = window;
            }
            return m_form != nullptr;
        });
    }
    ~Program()
    {
        if (!m_started)
            return;
        TerminateProcess(m_process.hProcess, 1);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }

    HWND form() const { return m_form; }
    DWORD id() const { return m_process.dwProcessId; }
    DWORD threadId() const { return m_process.dwThreadId; }
    HANDLE handle() const { return m_process.hProcess; }
    HWND control(ControlId id) const
    {
        return GetDlgItem(m_form, quennarix::win32::commandIdOf(id));
    }
    HWND focus() const
    {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(m_process.dwThreadId, &info);
        return info.hwndFocus;
    }

private:
    PROCESS_INFORMATION m_process{};
    bool m_started = false;
    HWND m_form = nullptr;
};

RECT placeOf(HWND control, HWND form)
{
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

const wchar_t *classFor(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
        return L"Static";
    case ControlKind::TextBox:
        return L"Edit";
    case ControlKind::PushButton:
        return L"Button";
    }
    return L"";
}

std::wstring besideThisProgram(const wchar_t *file)
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L"\\/") + 1) + file;
}

ProbeResult probeFonts(const Program &program)
{
    ProbeResult result{};
    HMODULE dll = LoadLibraryW(besideThisProgram(L"font_probe.dll").c_str());
    const auto hook =
        reinterpret_cast<HOOKPROC>(reinterpret_cast<void *>(GetProcAddress(dll, "probeHook")));
    HHOOK installed = SetWindowsHookExW(WH_GETMESSAGE, hook, dll, program.threadId());
    HANDLE section = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        sizeof result, quennarix::testing::kProbeSection);
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, quennarix::testing::kProbeDone);
    PostMessageW(program.form(), RegisterWindowMessageW(quennarix::testing::kProbeMessage), 0, 0);
    const bool answered = WaitForSingleObject(done, 5000) == WAIT_OBJECT_0;
    check(installed != nullptr && answered, L"fonts probed inside the program");
    if (answered) {
        const auto *view = static_cast<const ProbeResult *>(
            MapViewOfFile(section, FILE_MAP_READ, 0, 0, sizeof result));
        result = *view;
        UnmapViewOfFile(view);
    }
    CloseHandle(done);
    CloseHandle(section);
    UnhookWindowsHookEx(installed);
    FreeLibrary(dll);
    return result;
}

// The font each control draws with, and whether its caption fits in it.
void checkFontsAndFit(const Program &program, int dpi)
{
    // A box starts empty; it has to show the longest answer it can be given.
    for (const ControlId box : {Text1, Text2})
        SendMessageW(program.control(box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1092:15"));
    const ProbeResult probed = probeFonts(program);
    check(probed.classIcons, L"window class has large and small icons");
    for (const ControlLayout &entry : kControls) {
        const std::wstring name = widen(entry.name);
        const ProbedControl *control = nullptr;
        for (int at = 0; at < probed.count; ++at) {
            if (probed.controls[at].id == quennarix::win32::commandIdOf(entry.id))
                control = &probed.controls[at];
        }
        check(control != nullptr, name + L" probed");
        if (control == nullptr)
            continue;
        const LOGFONTW &font = control->font;
        const FontChoice &choice = fontOf(entry);
        const int height = -MulDiv(static_cast<int>(choice.pointSize * 10), dpi, 720);
        check(font.lfFaceName == widen(choice.family) && font.lfWeight == choice.weight &&
                  font.lfHeight == height,
              name + L" font " + font.lfFaceName + L" " + std::to_wstring(font.lfWeight) + L" " +
                  std::to_wstring(font.lfHeight));
        RECT room{};
        GetClientRect(program.control(entry.id), &room);
        check(control->ink.cx <= room.right && control->ink.cy <= room.bottom,
              name + L" caption needs " + std::to_wstring(control->ink.cx) + L"x" +
                  std::to_wstring(control->ink.cy) + L" of " + std::to_wstring(room.right) + L"x" +
                  std::to_wstring(room.bottom));
    }
    for (const ControlId box : {Text1, Text2})
        SendMessageW(program.control(box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
}

void checkWindow(const Program &program, int dpi)
{
    const auto scaled = [dpi](int pixels) { return quennarix::form::scaled(pixels, dpi); };
    RECT client{};
    GetClientRect(program.form(), &client);
    check(client.right == scaled(kClientWidth) && client.bottom == scaled(kClientHeight),
          L"client area " + std::to_wstring(client.right) + L"x" + std::to_wstring(client.bottom));
    const LONG style = GetWindowLongW(program.form(), GWL_STYLE);
    check((style & (WS_THICKFRAME | WS_MAXIMIZEBOX)) == 0, L"fixed size, no maximize");

    for (const ControlLayout &entry : kControls) {
        const std::wstring name = widen(entry.name);
        HWND control = program.control(entry.id);
        check(control != nullptr, name + L" exists");
        if (control == nullptr)
            continue;
        check(CompareStringOrdinal(classOf(control).c_str(), -1, classFor(entry.kind), -1, TRUE) ==
                  CSTR_EQUAL,
              name + L" is a " + classOf(control));
        check(textOf(control) == widen(entry.caption), name + L" caption " + textOf(control));
        const RECT place = placeOf(control, program.form());
        check(place.left == scaled(entry.left) && place.top == scaled(entry.top) &&
                  place.right - place.left == scaled(entry.width) &&
                  place.bottom - place.top == scaled(entry.height),
              name + L" at " + std::to_wstring(place.left) + L"," + std::to_wstring(place.top) +
                  L" size " + std::to_wstring(place.right - place.left) + L"x" +
                  std::to_wstring(place.bottom - place.top));
    }
    checkFontsAndFit(program, dpi);
}

void press(HWND window, WPARAM key)
{
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

void checkFocus(const Program &program)
{
    check(program.focus() == program.control(Text1), L"focus starts in Text1");
    std::wstring walked;
    for (const ControlId next : {Text2, Command1, Command2, Text1}) {
        press(program.focus(), VK_TAB);
        waitFor([&] { return program.focus() == program.control(next); }, 2000);
        for (const ControlLayout &entry : kControls) {
            if (program.focus() == program.control(entry.id))
                walked += widen(entry.name) + L" ";
        }
    }
    check(walked == L"Text2 Command1 Command2 Text1 ", L"Tab walks " + walked);
}

// Another program's window made active and the program made active again: the
// focus is where the user left it.
void checkFocusKeptAcrossActivation(const Program &program)
{
    press(program.focus(), VK_TAB);
    waitFor([&] { return program.focus() == program.control(Text2); }, 2000);
    HWND other = CreateWindowExW(0, L"STATIC", L"another window", WS_POPUP | WS_VISIBLE, 0, 0, 50,
                                 50, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    const bool left = waitFor([&] { return program.focus() == nullptr; });
    SetForegroundWindow(program.form());
    const bool back = waitFor([&] { return program.focus() == program.control(Text2); });
    DestroyWindow(other);
    check(left && back, L"focus in Text2 again after another window was active");
}

void setText(HWND box, const std::wstring &text)
{
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Posted, not sent: a click that opens the modal box would block the sender.
void click(HWND button)
{
    PostMessageW(button, BM_CLICK, 0, 0);
}

void checkConversion(const Program &program, ControlId button, ControlId source,
                     const std::wstring &input, ControlId target, const std::wstring &answer)
{
    setText(program.control(source), input);
    setText(program.control(target), L"");
    click(program.control(button));
    const bool answered = waitFor([&] { return textOf(program.control(target)) == answer; });
    check(answered && textOf(program.control(source)) == input,
          widen(layoutOf(button).name) + L" on " + std::to_wstring(input.size()) +
              L" characters gives " + textOf(program.control(target)));
}

// The answer is an edit of the box, so Undo there brings back what it held.
void checkUndo(const Program &program)
{
    setText(program.control(Text1), L"12:34");
    setText(program.control(Text2), L"5A");
    click(program.control(Command1));
    const bool answered = waitFor([&] { return textOf(program.control(Text1)) == L"01:30"; });
    const bool canUndo = SendMessageW(program.control(Text1), EM_CANUNDO, 0, 0) != 0;
    SendMessageW(program.control(Text1), EM_UNDO, 0, 0);
    check(answered && canUndo && textOf(program.control(Text1)) == L"12:34",
          L"Undo in Text1 after < brings back " + textOf(program.control(Text1)));
}

void checkMessage(const Program &program, ControlId button, ControlId source, const wchar_t *input,
                  const wchar_t *message)
{
    setText(program.control(Text1), L"");
    setText(program.control(Text2), L"");
    setText(program.control(source), input);
    click(program.control(button));
    HWND box = nullptr;
    waitFor([&] { return (box = visibleMessageBox(program.id())) != nullptr; });
    check(box != nullptr, std::wstring(L"a box for ") + message);
    if (box == nullptr)
        return;
    check(GetWindow(box, GW_OWNER) == program.form(), L"the box is owned by the window");
    check(textOf(box) == L"quennarix", L"box title " + textOf(box));
    check(textOf(GetDlgItem(box, 0xFFFF)) == message,
          L"box text " + textOf(GetDlgItem(box, 0xFFFF)));
    std::vector<HWND> buttons;
    bool icon = false;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        if (classOf(child) == L"Button")
            buttons.push_back(child);
        icon |= classOf(child) == L"Static" &&
                (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
                SendMessageW(child, STM_GETICON, 0, 0) != 0;
    }
    check(buttons.size() == 1 && textOf(buttons.front()) == L"OK", L"one OK button");
    check(!icon, L"no icon");
    if (!buttons.empty())
        click(buttons.front());
    check(waitFor([&] { return !IsWindow(box); }), L"OK closes the box");
    check(waitFor([&] { return program.focus() == program.control(button); }),
          L"the window, active again, has the focus on " + widen(layoutOf(button).name));
    check(textOf(program.control(source)) == input, L"what was typed stays");
}

void checkEnterAndEscapeDoNothing(const Program &program)
{
    setText(program.control(Text1), L"");
    setText(program.control(Text2), L"");
    for (const ControlId box : {Text1, Text2}) {
        for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
            press(program.control(box), key);
            Sleep(300);
            check(visibleMessageBox(program.id()) == nullptr &&
                      textOf(program.control(Text1)).empty() &&
                      textOf(program.control(Text2)).empty() && IsWindow(program.form()),
                  widen(layoutOf(box).name) + (key == VK_RETURN ? L": Enter" : L": Escape") +
                      L" does nothing");
        }
    }
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 3) {
        std::fwprintf(stderr, L"usage: form1_driver QUENNARIX_EXE DPI\n");
        return 2;
    }
    std::setvbuf(stdout, nullptr, _IONBF, 0); // each line as it happens, even into a pipe
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const wchar_t *exe = argv[1];
    const int dpi = _wtoi(argv[2]);

    checkVersionResource(exe);
    checkIconImages(exe);

    Program program(exe);
    check(program.form() != nullptr, L"the window opens");
    if (program.form() == nullptr)
        return 1;
    checkWindow(program, dpi);
    if (dpi == 96) {
        checkFocus(program);
        checkFocusKeptAcrossActivation(program);
        checkConversion(program, Command1, Text2, L"5A", Text1, L"01:30");
        checkConversion(program, Command2, Text1, L"01:30", Text2, L"005A");
        checkConversion(program, Command1, Text2, std::wstring(99998, L'0') + L"5A", Text1,
                        L"01:30");
        checkUndo(program);
        checkMessage(program, Command1, Text2, L"", L"Please enter hex value");
        checkMessage(program, Command1, Text2, L"XYZ", L"Please enter a valid hex value");
        checkMessage(program, Command2, Text1, L"", L"Please enter time value");
        checkMessage(program, Command2, Text1, L"130", L"Please enter a valid time value");
        checkEnterAndEscapeDoNothing(program);
    }

    PostMessageW(program.form(), WM_CLOSE, 0, 0);
    DWORD status = STILL_ACTIVE;
    WaitForSingleObject(program.handle(), 10000);
    GetExitCodeProcess(program.handle(), &status);
    check(status == 0, L"closing ends with status " + std::to_wstring(status));

    std::wprintf(L"%d failed\n", gFailures);
    return gFailures == 0 ? 0 : 1;
}
