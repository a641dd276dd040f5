#include "expected_layout.hpp"

#include "expected_layout_text.hpp" // kExpectedLayoutText, made by CMake

#include <deque>
#include <sstream>
#include <stdexcept>

namespace quennarix::testing {

namespace {

std::string trimmed(const std::string &text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? ""
                                      : text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

ExpectedFont fontFrom(const std::string &field)
{
    if (field == "-")
        return {};
    // The family may hold spaces; weight and points close the field.
    const auto pointsAt = field.rfind(' ');
    const auto weightAt = field.rfind(' ', pointsAt - 1);
    return {field.substr(0, weightAt), std::stoi(field.substr(weightAt + 1, pointsAt - weightAt)),
            std::stod(field.substr(pointsAt + 1))};
}

// Names outlive the rows that are copied from here.
std::vector<ExpectedControl> parse()
{
    static std::deque<std::string> names;
    std::vector<ExpectedControl> rows;
    std::istringstream lines{std::string(kExpectedLayoutText)};
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line.front() == '#')
            continue;
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '|');)
            fields.push_back(trimmed(cell));
        fields.resize(6);
        ExpectedControl row{{names.emplace_back(fields[0]).c_str()},
                            fields[1],
                            0,
                            0,
                            0,
                            0,
                            fontFrom(fields[3]),
                            fields[4],
                            fields[5]};
        std::istringstream(fields[2]) >> row.left >> row.top >> row.width >> row.height;
        rows.push_back(row);
    }
    if (rows.empty() || rows.front().kind != "window")
        throw std::logic_error("expected_layout.txt starts with the window");
    return rows;
}

} // namespace

const std::vector<ExpectedControl> &expectedLayout()
{
    static const std::vector<ExpectedControl> rows = parse();
    return rows;
}

const ExpectedControl &expectedWindow()
{
    return expectedLayout().front();
}

std::vector<ExpectedControl> expectedControls()
{
    return {expectedLayout().begin() + 1, expectedLayout().end()};
}

} // namespace quennarix::testing
