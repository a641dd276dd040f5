#include "web/form1.hpp"

#include "form/layout.hpp"
#include "version.hpp"

// The page's side, in web/page.js; texts cross as UTF-16 code units.
extern "C" {
void quennarix_set_window(const char *caption, const char *messageTitle, int width, int height);
void quennarix_add_control(int id, const char *name, int kind, const char *caption,
                           const int *place, const char *family, double pointSize, int weight,
                           const char *accessibleName, int labels, const char *toolTip);
void quennarix_focus(int control);
int quennarix_text_length(int box);
void quennarix_copy_text(int box, char16_t *into);
void quennarix_replace_text(int box, const char16_t *text, int length);
void quennarix_announce(const char16_t *text, int length);
void quennarix_show_message(const char16_t *text, int length);
}

namespace quennarix::web {

namespace {

// The page lays itself out in CSS pixels, which the browser's zoom scales.
constexpr int kCssDpi = form::kDesignDpi;

int idOf(form::ControlId id)
{
    return static_cast<int>(form::indexOf(id));
}

int lengthOf(std::u16string_view text)
{
    return static_cast<int>(text.size());
}

} // namespace

Form1::Form1()
{
    const form::Size client = form::clientSizeAt(kCssDpi);
    quennarix_set_window(form::kWindowCaption, QUENNARIX_TITLE, client.width, client.height);
    for (const form::ControlLayout &entry : form::kControls) {
        const form::Rect place = form::placeAt(entry, kCssDpi);
        const int box[] = {place.left, place.top, place.width, place.height};
        const form::FontChoice font = form::fontOutsideWindows(entry);
        quennarix_add_control(idOf(entry.id), entry.name, static_cast<int>(entry.kind),
                              entry.caption, box, font.family, font.pointSize, font.weight,
                              entry.accessibleName, entry.labels ? idOf(*entry.labels) : -1,
                              form::toolTipOf(entry));
    }
    quennarix_focus(idOf(form::Text1));
}

std::u16string Form1::textOf(form::ControlId box) const
{
    std::u16string text(static_cast<std::size_t>(quennarix_text_length(idOf(box))), u'\0');
    quennarix_copy_text(idOf(box), text.data());
    return text;
}

void Form1::replaceText(form::ControlId box, std::u16string_view text)
{
    quennarix_replace_text(idOf(box), text.data(), lengthOf(text));
}

void Form1::announce(std::u16string_view text)
{
    quennarix_announce(text.data(), lengthOf(text));
}

// A page cannot wait for the user; the dialog is modal, and nothing in a click
// follows its message.
void Form1::showMessage(std::u16string_view message)
{
    quennarix_show_message(message.data(), lengthOf(message));
}

} // namespace quennarix::web
