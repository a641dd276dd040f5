// The real quennarix.exe under Wine, read and driven through window messages.
// usage: form1_test [GOOGLETEST FLAG...] QUENNARIX_EXE DPI
#include "behaviour.hpp"
#include "expected_layout.hpp"
#include "form/layout.hpp"
#include "running_program.hpp"
#include "version.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace quennarix::testing {
namespace {

using namespace form;

std::wstring gExe;
int gDpi = 96;

// Worked out apart from the layout's own integer rule: the nearest pixel to
// the exact product.
LONG atDpi(int pixels)
{
    return std::lround(pixels * gDpi / 96.0);
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

TEST(Form1Executable, CarriesItsVersion)
{
    std::vector<BYTE> info(GetFileVersionInfoSizeW(gExe.c_str(), nullptr));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoW(gExe.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    const std::wstring version = widen(QUENNARIX_VERSION);
    for (const auto &[name, expected] :
         {std::pair{L"ProductName", std::wstring(L"quennarix")},
          std::pair{L"InternalName", std::wstring(L"quennarix")},
          std::pair{L"OriginalFilename", std::wstring(L"quennarix.exe")},
          std::pair{L"FileVersion", version}, std::pair{L"ProductVersion", version}})
        EXPECT_EQ(versionString(info, name), expected) << name;
    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void **>(&fixed), &length));
    const DWORD majorMinor = MAKELONG(QUENNARIX_VERSION_MINOR, QUENNARIX_VERSION_MAJOR);
    EXPECT_EQ(fixed->dwFileVersionMS, majorMinor);
    EXPECT_EQ(fixed->dwFileVersionLS, 0U);
    EXPECT_EQ(fixed->dwProductVersionMS, majorMinor);
    EXPECT_EQ(fixed->dwProductVersionLS, 0U);
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

TEST(Form1Executable, CarriesItsIconImages)
{
    HMODULE module = LoadLibraryExW(gExe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC group = nullptr;
    EnumResourceNamesW(
        module, MAKEINTRESOURCEW(14), // RT_GROUP_ICON
        [](HMODULE from, LPCWSTR type, LPWSTR name, LONG_PTR found) -> BOOL {
            *reinterpret_cast<HRSRC *>(found) = FindResourceW(from, name, type);
            return FALSE; // the first group is the program's icon
        },
        reinterpret_cast<LONG_PTR>(&group));
    ASSERT_NE(group, nullptr);
    const auto *data = static_cast<const BYTE *>(LockResource(LoadResource(module, group)));
    const WORD count = reinterpret_cast<const WORD *>(data)[2];
    std::wstring images;
    for (WORD index = 0; index < count; ++index) {
        const auto *entry = reinterpret_cast<const IconGroupEntry *>(data + 6) + index;
        images += std::to_wstring(entry->width) + L"x" + std::to_wstring(entry->height) + L"/" +
                  std::to_wstring(entry->colours == 0 ? 256 : entry->colours) + L" ";
    }
    EXPECT_EQ(images, L"32x32/2 32x32/16 16x16/16 ");
    FreeLibrary(module);
}

// The control the table names, found through the program's own ids.
ControlId idOf(const std::string &name)
{
    for (const ControlLayout &entry : kControls) {
        if (name == entry.name)
            return entry.id;
    }
    throw std::invalid_argument(name);
}

std::wstring wide(std::u16string_view text)
{
    return {text.begin(), text.end()};
}

// Each suite starts the program once and reads it as its tests go, in the
// order they are written.
class Form1Window : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { program = std::make_unique<RunningProgram>(gExe); }
    static void TearDownTestSuite() { program.reset(); }
    void SetUp() override { ASSERT_NE(program->form(), nullptr) << "the window opens"; }

    static HWND control(ControlId id) { return program->control(id); }
    // The control that has the focus, by its name in the table, so a failure
    // says where the focus went.
    static std::wstring focusName()
    {
        const HWND focused = program->focus();
        for (const ControlLayout &entry : kControls) {
            if (focused == control(entry.id))
                return widen(entry.name);
        }
        return focused == nullptr ? L"(none)" : L"(" + classOf(focused) + L")";
    }
    static bool focusReaches(ControlId id, DWORD milliseconds = 5000)
    {
        return waitFor([id] { return program->focus() == control(id); }, milliseconds);
    }
    // Wine without a window manager does not always make the window active
    // where Windows would (at start, after a message box); a user's click would.
    static bool makeActive()
    {
        SetForegroundWindow(program->form());
        return waitFor([] { return GetForegroundWindow() == program->form(); });
    }
    // Posts a mark behind what was posted to the program: once the mark is
    // read, the program has handled all of it, or is showing a message box.
    static bool settled()
    {
        PostMessageW(control(Text1), EM_SETMODIFY, TRUE, 0);
        return waitFor([] { return SendMessageW(control(Text1), EM_GETMODIFY, 0, 0) != 0; });
    }

    inline static std::unique_ptr<RunningProgram> program;
};

TEST_F(Form1Window, HasItsFixedClientArea)
{
    RECT client{};
    GetClientRect(program->form(), &client);
    EXPECT_EQ(client.right, atDpi(expectedWindow().width));
    EXPECT_EQ(client.bottom, atDpi(expectedWindow().height));
    EXPECT_EQ(GetWindowLongW(program->form(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0)
        << "fixed size, no maximize";
}

TEST_F(Form1Window, ClassHasLargeAndSmallIcons)
{
    ProbeResult probed{};
    ASSERT_TRUE(program->probeFonts(probed)) << "probed inside the program";
    EXPECT_TRUE(probed.classIcons);
}

// Last of its suite: it ends the program.
TEST_F(Form1Window, ClosingEndsTheProgramWithStatusZero)
{
    EXPECT_EQ(program->close(), 0U);
}

// Every row of the expected layout, each case named after its control.
class Form1Controls : public Table<ExpectedControl, Form1Window>
{
protected:
    // A box starts empty; it has to show the longest answer it can be given.
    static void SetUpTestSuite()
    {
        Form1Window::SetUpTestSuite();
        if (program->form() == nullptr)
            return;
        for (const ControlId box : {Text1, Text2})
            setText(control(box), L"1092:15");
        probed = program->probeFonts(fonts);
        for (const ControlId box : {Text1, Text2})
            setText(control(box), L"");
    }

    static const ProbedControl *probedControl(ControlId id)
    {
        for (int at = 0; at < fonts.count; ++at) {
            if (fonts.controls[at].id == GetDlgCtrlID(control(id)))
                return &fonts.controls[at];
        }
        return nullptr;
    }

    inline static ProbeResult fonts{};
    inline static bool probed = false;
};

TEST_P(Form1Controls, StandWhereTheyBelong)
{
    static const std::map<std::string, std::wstring> kClasses{
        {"label", L"Static"}, {"box", L"Edit"}, {"button", L"Button"}};
    HWND window = control(idOf(row().name));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(CompareStringOrdinal(classOf(window).c_str(), -1, kClasses.at(row().kind).c_str(), -1,
                                   TRUE),
              CSTR_EQUAL)
        << "a " << classOf(window);
    EXPECT_EQ(textOf(window), widen(row().caption.c_str()));
    RECT place{};
    GetWindowRect(window, &place);
    MapWindowPoints(nullptr, program->form(), reinterpret_cast<POINT *>(&place), 2);
    EXPECT_EQ(place.left, atDpi(row().left));
    EXPECT_EQ(place.top, atDpi(row().top));
    EXPECT_EQ(place.right - place.left, atDpi(row().width));
    EXPECT_EQ(place.bottom - place.top, atDpi(row().height));
}

TEST_P(Form1Controls, DrawInTheirFontAndShowTheirWholeCaption)
{
    ASSERT_TRUE(probed) << "fonts probed inside the program";
    const ControlId id = idOf(row().name);
    const ProbedControl *probe = probedControl(id);
    ASSERT_NE(probe, nullptr);
    const ExpectedFont &font = row().font.family.empty() ? expectedWindow().font : row().font;
    EXPECT_EQ(std::wstring(probe->font.lfFaceName), widen(font.family.c_str()));
    EXPECT_EQ(probe->font.lfWeight, font.weight);
    // LOGFONT's height is minus the em in pixels, the nearest to points * dpi / 72.
    EXPECT_EQ(probe->font.lfHeight, -std::lround(font.points * gDpi / 72.0));
    RECT room{};
    GetClientRect(control(id), &room);
    EXPECT_LE(probe->ink.cx, room.right);
    EXPECT_LE(probe->ink.cy, room.bottom);
}

QUENNARIX_TABLE(Form1Controls, expectedControls());

class Form1Keyboard : public Form1Window
{
};

TEST_F(Form1Keyboard, FocusStartsInTheTimeBox)
{
    EXPECT_EQ(program->focus(), control(Text1));
}

// Round from the first control that takes the focus back to it.
TEST_F(Form1Keyboard, TabWalksTheControlsInOrder)
{
    std::vector<std::string> order;
    for (const ExpectedControl &entry : expectedControls()) {
        if (entry.kind != "label")
            order.emplace_back(entry.name);
    }
    std::rotate(order.begin(), order.begin() + 1, order.end());
    std::wstring walked;
    std::wstring expected;
    for (const std::string &next : order) {
        press(program->focus(), VK_TAB);
        focusReaches(idOf(next), 2000);
        walked += focusName() + L" ";
        expected += widen(next.c_str()) + L" ";
    }
    EXPECT_EQ(walked, expected);
}

// The focus is where the user left it when the window is active again.
TEST_F(Form1Keyboard, FocusComesBackAfterAnotherWindowWasActive)
{
    press(program->focus(), VK_TAB);
    ASSERT_TRUE(focusReaches(Text2, 2000));
    HWND other = CreateWindowExW(0, L"STATIC", L"another window", WS_POPUP | WS_VISIBLE, 0, 0, 50,
                                 50, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    EXPECT_TRUE(waitFor([] { return program->focus() == nullptr; })) << "the focus left";
    SetForegroundWindow(program->form());
    EXPECT_TRUE(focusReaches(Text2));
    DestroyWindow(other);
}

// As from the taskbar: another window is active while this one is minimised,
// and the window is made active before it is restored.
TEST_F(Form1Keyboard, FocusComesBackAfterMinimiseAndRestore)
{
    ASSERT_TRUE(makeActive());
    ASSERT_TRUE(focusReaches(Text2));
    ShowWindowAsync(program->form(), SW_MINIMIZE);
    ASSERT_TRUE(waitFor([] { return IsIconic(program->form()) != FALSE; })) << "minimised";
    HWND other = CreateWindowExW(0, L"STATIC", L"another window", WS_POPUP | WS_VISIBLE, 0, 0, 50,
                                 50, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    EXPECT_TRUE(waitFor([] { return program->focus() == nullptr; })) << "the focus left";
    ASSERT_TRUE(makeActive()) << "active";
    DestroyWindow(other);
    ShowWindowAsync(program->form(), SW_RESTORE);
    ASSERT_TRUE(waitFor([] { return IsIconic(program->form()) == FALSE; })) << "restored";
    EXPECT_TRUE(focusReaches(Text2));
}

// What Windows does on restoring the active window: it gives the window
// itself the focus, which has to pass it on to the control that had it.
TEST_F(Form1Keyboard, FocusGivenToTheWindowGoesToTheControlThatHadIt)
{
    ASSERT_TRUE(makeActive());
    ASSERT_TRUE(focusReaches(Text2));
    const DWORD ours = GetCurrentThreadId();
    const DWORD theirs = GetWindowThreadProcessId(program->form(), nullptr);
    ASSERT_TRUE(AttachThreadInput(ours, theirs, TRUE));
    SetFocus(program->form());
    AttachThreadInput(ours, theirs, FALSE);
    EXPECT_TRUE(focusReaches(Text2));
}

class Form1Editing : public Form1Window
{
};

// The answer is an edit of the box, so Undo there brings back what it held.
TEST_F(Form1Editing, UndoInTheTargetBoxBringsBackWhatItHeld)
{
    setText(control(Text1), L"12:34");
    setText(control(Text2), L"5A");
    click(control(Command1));
    ASSERT_TRUE(waitFor([] { return textOf(control(Text1)) == L"01:30"; }));
    EXPECT_NE(SendMessageW(control(Text1), EM_CANUNDO, 0, 0), 0);
    SendMessageW(control(Text1), EM_UNDO, 0, 0);
    EXPECT_EQ(textOf(control(Text1)), L"12:34");
}

// The message box, owned by the window, with the message and one OK button.
void expectMessageBox(HWND box, HWND form, std::u16string_view message)
{
    EXPECT_EQ(GetWindow(box, GW_OWNER), form) << "the box is owned by the window";
    EXPECT_EQ(textOf(box), L"quennarix");
    EXPECT_EQ(textOf(GetDlgItem(box, 0xFFFF)), wide(message));
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
    ASSERT_EQ(buttons.size(), 1U);
    EXPECT_EQ(textOf(buttons.front()), L"OK");
    EXPECT_FALSE(icon);
    click(buttons.front());
    EXPECT_TRUE(waitFor([&] { return !IsWindow(box); })) << "OK closes the box";
}

using Form1Behaviour = Table<BehaviourRow, Form1Window>;

TEST_P(Form1Behaviour, AsTheTableSays)
{
    setText(control(Text1), wide(row().text1));
    setText(control(Text2), wide(row().text2));
    SendMessageW(control(Text1), EM_SETMODIFY, FALSE, 0); // for settled()
    const HWND target = control(row().control);
    ASSERT_TRUE(makeActive());
    switch (row().input) {
    case Input::Click:
        click(target);
        break;
    case Input::Return:
        press(target, VK_RETURN);
        break;
    case Input::Enter: // the keypad's, an extended key
        press(target, VK_RETURN, true);
        break;
    case Input::Escape:
        press(target, VK_ESCAPE);
        break;
    }
    ASSERT_TRUE(settled()) << "the window handles what it was sent";
    const HWND box = program->messageBox();
    if (row().message.empty()) {
        EXPECT_EQ(box, nullptr) << "no message box";
    } else {
        ASSERT_NE(box, nullptr) << "a message box";
        expectMessageBox(box, program->form(), row().message);
        // Windows hands the activation back to the owner. Wine without a window
        // manager, when X reports the box gone late, sometimes leaves no window
        // active; where the focus goes when the window is active is ours to check.
        ASSERT_TRUE(makeActive());
        EXPECT_TRUE(focusReaches(row().control))
            << "the window, active again, has the focus on the button, not on " << focusName();
    }
    EXPECT_TRUE(textOf(control(Text1)) == wide(row().text1After)) << "time box";
    EXPECT_TRUE(textOf(control(Text2)) == wide(row().text2After)) << "hex box";
    EXPECT_TRUE(IsWindow(program->form()));
}

QUENNARIX_TABLE(Form1Behaviour, behaviourRows());

} // namespace
} // namespace quennarix::testing

int wmain(int argc, wchar_t **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 3) {
        std::fwprintf(stderr, L"usage: form1_test [GOOGLETEST FLAG...] QUENNARIX_EXE DPI\n");
        return 2;
    }
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    quennarix::testing::gExe = argv[1];
    quennarix::testing::gDpi = _wtoi(argv[2]);
    return RUN_ALL_TESTS();
}
