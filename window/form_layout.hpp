#pragma once

#include <array>

// Everything about how the window looks, in one place. Geometry is in
// device-independent pixels from the top-left corner of the client area.
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
    const char *accessibleName; // for screen readers; nullptr where the caption says it all
};

inline constexpr const char *kWindowCaption = "Quennarix";
inline constexpr int kClientWidth = 471;
inline constexpr int kClientHeight = 296;

// "MS Sans Serif" is what the captions were designed in. Linux has no such
// family, so it is mapped to a metric-compatible one shipped by fonts-liberation2;
// naming it directly spares Qt a search through every installed font.
inline constexpr const char *kDesignFamily = "MS Sans Serif";
#ifdef _WIN32
inline constexpr FontChoice kWindowFont{"MS Sans Serif", 8, 400};
#else
inline constexpr const char *kDesignFamilySubstitute = "Liberation Sans";
// At 8 points "Time (XX:XX)" would be cut in its 65-pixel label.
inline constexpr FontChoice kWindowFont{"Liberation Sans", 7.5, 400};
#endif

inline constexpr FontChoice kOwnFont{nullptr, 0, 0};
inline constexpr FontChoice kTitleFont{kDesignFamily, 13.5, 700};
inline constexpr FontChoice kArrowFont{kDesignFamily, 24, 700};

using enum ControlKind;

// In tab order.
inline constexpr std::array<ControlLayout, 8> kControls{{
    {"Label1", Label, "Quennarix", 32, 32, 433, 25, kTitleFont, nullptr},
    {"Text1", TextBox, "", 72, 168, 121, 33, kOwnFont, "Time (XX:XX)"},
    {"Label2", Label, "Time (XX:XX)", 72, 152, 65, 17, kOwnFont, nullptr},
    {"Text2", TextBox, "", 304, 168, 121, 33, kOwnFont, "Hex"},
    {"Label3", Label, "Hex", 304, 152, 73, 17, kOwnFont, nullptr},
    {"Command1", PushButton, "<", 200, 168, 41, 33, kArrowFont, "Convert hex to time"},
    {"Command2", PushButton, ">", 256, 168, 41, 33, kArrowFont, "Convert time to hex"},
    {"Label4", Label, "Made by the Quennarix authors", 56, 272, 377, 17, kOwnFont, nullptr},
}};

} // namespace quennarix::layout
