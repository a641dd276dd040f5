#pragma once

#include <ostream>
#include <string>

namespace quennarix::testing {

// The first part of every table-driven test's row: its name names the case,
// so a failure says which row, and is all GoogleTest prints of the row.
struct NamedRow
{
    const char *name;
    friend std::ostream &operator<<(std::ostream &out, const NamedRow &row)
    {
        return out << row.name;
    }
};

struct RowName
{
    template <class ParamInfo> std::string operator()(const ParamInfo &info) const
    {
        return info.param.name;
    }
};

} // namespace quennarix::testing
