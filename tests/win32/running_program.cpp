#include "running_program.hpp"

#include "form/layout.hpp"
#include "win32/control_ids.hpp"

namespace quennarix::testing {

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

void setText(HWND box, const std::wstring &text)
{
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void click(HWND button)
{
    PostMessageW(button, BM_CLICK, 0, 0);
}

void press(HWND window, WPARAM key, bool extended)
{
    const LPARAM flags = extended ? 1 << 24 : 0;
    PostMessageW(window, WM_KEYDOWN, key, flags | 1);
    PostMessageW(window, WM_KEYUP, key, flags | 0xC0000001);
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

RunningProgram::RunningProgram(const std::wstring &exe)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + exe + L"\"";
    m_started = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &m_process);
    if (!m_started)
        return;
    WaitForInputIdle(m_process.hProcess, 10000);
    waitFor([this] {
        for (HWND window : topLevelWindowsOf(m_process.dwProcessId)) {
            // FindWindow ignores case; the caption must match exactly.
            if (textOf(window) == widen(form::kWindowCaption))
                m_form = window;
        }
        return m_form != nullptr;
    });
}

RunningProgram::~RunningProgram()
{
    if (!m_started)
        return;
    TerminateProcess(m_process.hProcess, 1);
    // Ending is asynchronous: the next program must not start beside its windows.
    WaitForSingleObject(m_process.hProcess, 5000);
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

HWND RunningProgram::control(form::ControlId id) const
{
    return GetDlgItem(m_form, win32::commandIdOf(id));
}

HWND RunningProgram::focus() const
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(m_process.dwThreadId, &info);
    return info.hwndFocus;
}

HWND RunningProgram::messageBox() const
{
    for (HWND window : topLevelWindowsOf(m_process.dwProcessId)) {
        if (classOf(window) == L"#32770")
            return window;
    }
    return nullptr;
}

namespace {

std::wstring besideThisProgram(const wchar_t *file)
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L"\\/") + 1) + file;
}

} // namespace

bool RunningProgram::probeFonts(ProbeResult &result) const
{
    HMODULE dll = LoadLibraryW(besideThisProgram(L"font_probe.dll").c_str());
    const auto hook =
        reinterpret_cast<HOOKPROC>(reinterpret_cast<void *>(GetProcAddress(dll, "probeHook")));
    HHOOK installed = SetWindowsHookExW(WH_GETMESSAGE, hook, dll, m_process.dwThreadId);
    HANDLE section = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        sizeof result, kProbeSection);
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, kProbeDone);
    PostMessageW(m_form, RegisterWindowMessageW(kProbeMessage), 0, 0);
    const bool answered = installed != nullptr && WaitForSingleObject(done, 5000) == WAIT_OBJECT_0;
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
    return answered;
}

DWORD RunningProgram::close()
{
    PostMessageW(m_form, WM_CLOSE, 0, 0);
    DWORD status = STILL_ACTIVE;
    WaitForSingleObject(m_process.hProcess, 10000);
    GetExitCodeProcess(m_process.hProcess, &status);
    return status;
}

} // namespace quennarix::testing
