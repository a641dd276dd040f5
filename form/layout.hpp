#pragma once

#include "form/control_id.hpp"

#include <array>
#include <optional>

// Everything about how the window looks, in one place, for every front end.
// Geometry is in device-independent pixels (96 per inch) from the top-left
// corner of the client area.
namespace quennarix::form {

enum class ControlKind { Label, TextBox, PushButton };

struct FontChoice
{
    const char *family; // nullptr: the window's font
    double pointSize;
    int weight;
};

struct ControlLayout
{
    ControlId id;
    const char *name;
    ControlKind kind;
    const char *caption;
    int left;
    int top;
    int width;
    int height;
    FontChoice font;
    const char *accessibleName; // for screen readers; nullptr where the caption says it all
    std::optional<ControlId> labels = {}; // the box a label names
};

inline constexpr const char *kWindowCaption = "Quennarix";
inline constexpr int kClientWidth = 471;
inline constexpr int kClientHeight = 296;
inline constexpr int kDesignDpi = 96;

// The family the captions were designed in; a front end without it maps it to
// the closest face it has.
inline constexpr const char *kDesignFamily = "MS Sans Serif";
inline constexpr FontChoice kWindowFont{kDesignFamily, 8, 400};

// Outside Windows, Liberation Sans (fonts-liberation2; Arial's metrics) stands
// in. It runs wider, so the window's 8 points become 7.5, or "Time (XX:XX)" is
// cut in its 65-pixel label.
inline constexpr const char *kSubstituteFamily = "Liberation Sans";
inline constexpr FontChoice kSubstituteWindowFont{kSubstituteFamily, 7.5, kWindowFont.weight};

inline constexpr FontChoice kOwnFont{nullptr, 0, 0};
inline constexpr FontChoice kTitleFont{kDesignFamily, 13.5, 700};
inline constexpr FontChoice kArrowFont{kDesignFamily, 24, 700};

using enum ControlId;
using enum ControlKind;

inline constexpr std::array<ControlLayout, kControlCount> kControls{{
    {Label1, "Label1", Label, "Quennarix", 32, 32, 433, 25, kTitleFont, nullptr},
    {Text1, "Text1", TextBox, "", 72, 168, 121, 33, kOwnFont, "Time (XX:XX)"},
    {Label2, "Label2", Label, "Time (XX:XX)", 72, 152, 65, 17, kOwnFont, nullptr, Text1},
    {Text2, "Text2", TextBox, "", 304, 168, 121, 33, kOwnFont, "Hex"},
    {Label3, "Label3", Label, "Hex", 304, 152, 73, 17, kOwnFont, nullptr, Text2},
    {Command1, "Command1", PushButton, "<", 200, 168, 41, 33, kArrowFont, "Convert hex to time"},
    {Command2, "Command2", PushButton, ">", 256, 168, 41, 33, kArrowFont, "Convert time to hex"},
    {Label4, "Label4", Label, "Made by the Quennarix authors", 56, 272, 377, 17, kOwnFont, nullptr},
}};

constexpr bool rowsFollowTheIds()
{
    for (std::size_t index = 0; index < kControls.size(); ++index) {
        if (indexOf(kControls[index].id) != index)
            return false;
    }
    return true;
}
static_assert(rowsFollowTheIds(), "the table's rows stand in ControlId order");

constexpr const ControlLayout &layoutOf(ControlId id)
{
    return kControls[indexOf(id)];
}

// A length from the table at `dpi`, rounded to the nearest pixel.
constexpr int scaled(int pixels, int dpi)
{
    return (pixels * dpi + kDesignDpi / 2) / kDesignDpi;
}

struct Size
{
    int width;
    int height;
};

struct Rect
{
    int left;
    int top;
    int width;
    int height;
};

constexpr Size clientSizeAt(int dpi)
{
    return {scaled(kClientWidth, dpi), scaled(kClientHeight, dpi)};
}

constexpr Rect placeAt(const ControlLayout &entry, int dpi)
{
    return {scaled(entry.left, dpi), scaled(entry.top, dpi), scaled(entry.width, dpi),
            scaled(entry.height, dpi)};
}

// A box takes text as long as its toolkit allows: a paste is never cut short
// before the conversion judges it (and answers text that long with a message).
inline constexpr bool kBoxesTakeAnyLength = true;

// A control without a font of its own draws in the window's.
constexpr bool hasOwnFont(const ControlLayout &entry)
{
    return entry.font.family != nullptr;
}

constexpr const FontChoice &fontOf(const ControlLayout &entry)
{
    return hasOwnFont(entry) ? entry.font : kWindowFont;
}

// Outside Windows every control draws in the stand-in family, at its own size
// or at the window's there.
constexpr FontChoice fontOutsideWindows(const ControlLayout &entry)
{
    const FontChoice &font = hasOwnFont(entry) ? entry.font : kSubstituteWindowFont;
    return {kSubstituteFamily, font.pointSize, font.weight};
}

// A button's tooltip says what it does, in the words a screen reader uses.
constexpr const char *toolTipOf(const ControlLayout &entry)
{
    return entry.kind == PushButton ? entry.accessibleName : nullptr;
}

// The label whose caption names `box`.
constexpr std::optional<ControlId> labelOf(ControlId box)
{
    for (const ControlLayout &entry : kControls) {
        if (entry.labels == box)
            return entry.id;
    }
    return std::nullopt;
}

} // namespace quennarix::form
