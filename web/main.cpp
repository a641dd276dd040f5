#include "form/clicks.hpp"
#include "form/layout.hpp"
#include "web/form1.hpp"

#include <emscripten.h>

namespace {

quennarix::web::Form1 *gForm = nullptr;

} // namespace

// What the page calls when one of its buttons is clicked, by the control's row.
extern "C" EMSCRIPTEN_KEEPALIVE void quennarix_click(int control)
{
    if (gForm != nullptr && control >= 0 &&
        static_cast<std::size_t>(control) < quennarix::form::kControlCount)
        quennarix::form::click(quennarix::form::kControls[static_cast<std::size_t>(control)].id,
                               *gForm);
}

int main()
{
    static quennarix::web::Form1 form;
    gForm = &form;
    return 0;
}
