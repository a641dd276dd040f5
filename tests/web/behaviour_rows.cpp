#include "behaviour.hpp"
#include "form/layout.hpp"

#include <cstdio>
#include <string>

// The behaviour table as JSON, for the web page's tests, which drive a browser
// from Python: one list of rows, each with its control's name.
namespace {

std::string json(std::u16string_view text)
{
    std::string out = "\"";
    for (const char16_t unit : text) {
        char escaped[8];
        if (unit >= 0x20 && unit < 0x7f && unit != u'"' && unit != u'\\') {
            out += static_cast<char>(unit);
        } else {
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(unit));
            out += escaped;
        }
    }
    return out + "\"";
}

constexpr const char *kInputs[] = {"Click", "Return", "Enter", "Escape"};

} // namespace

int main()
{
    const char *separator = "[";
    for (const auto &row : quennarix::testing::behaviourRows()) {
        std::printf("%s\n{\"name\": \"%s\", \"control\": \"%s\", \"input\": \"%s\", \"text1\": %s, "
                    "\"text2\": %s, \"text1After\": %s, \"text2After\": %s, \"message\": %s, "
                    "\"spoken\": %s}",
                    separator, row.name, quennarix::form::layoutOf(row.control).name,
                    kInputs[static_cast<int>(row.input)], json(row.text1).c_str(),
                    json(row.text2).c_str(), json(row.text1After).c_str(),
                    json(row.text2After).c_str(), json(row.message).c_str(),
                    json(row.spoken).c_str());
        separator = ",";
    }
    std::printf("\n]\n");
}
