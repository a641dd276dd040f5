#pragma once

#include <array>

// Everything about how the window looks, in one place, for every front end.
// Geometry is in device-independent pixels (96 per inch) from the top-left
// corner of the client area.
namespace quennarix::layout {

enum class ControlKind { Label, TextBox, PushButton };

struct FontChoice
{
    const char *family; // nullptr: the window's font
    double pointSize;
    int weight;
};

struct ControlLayout
{
    const char *name;
    ControlKind kind;
    const char *caption;
    int left;
    int top;
    int width;
    int height;
    FontChoice font;
    const char *accessibleName;   // for screen readers; nullptr where the caption says it all
    const char *labels = nullptr; // the box a label names
};

inline constexpr const char *kWindowCaption = "Quennarix";
inline constexpr int kClientWidth = 471;
inline constexpr int kClientHeight = 296;

// The family the captions were designed in; a front end without it maps it to
// the closest face it has.
inline constexpr const char *kDesignFamily = "MS Sans Serif";
inline constexpr FontChoice kWindowFont{kDesignFamily, 8, 400};

inline constexpr FontChoice kOwnFont{nullptr, 0, 0};
inline constexpr FontChoice kTitleFont{kDesignFamily, 13.5, 700};
inline constexpr FontChoice kArrowFont{kDesignFamily, 24, 700};

using enum ControlKind;

// In tab order.
inline constexpr std::array<ControlLayout, 8> kControls{{
    {"Label1", Label, "Quennarix", 32, 32, 433, 25, kTitleFont, nullptr},
    {"Text1", TextBox, "", 72, 168, 121, 33, kOwnFont, "Time (XX:XX)"},
    {"Label2", Label, "Time (XX:XX)", 72, 152, 65, 17, kOwnFont, nullptr, "Text1"},
    {"Text2", TextBox, "", 304, 168, 121, 33, kOwnFont, "Hex"},
    {"Label3", Label, "Hex", 304, 152, 73, 17, kOwnFont, nullptr, "Text2"},
    {"Command1", PushButton, "<", 200, 168, 41, 33, kArrowFont, "Convert hex to time"},
    {"Command2", PushButton, ">", 256, 168, 41, 33, kArrowFont, "Convert time to hex"},
    {"Label4", Label, "Made by the Quennarix authors", 56, 272, 377, 17, kOwnFont, nullptr},
}};

} // namespace quennarix::layout
