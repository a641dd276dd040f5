#pragma once

#include <string>

namespace quennarix::testing {

// Names a parameterised case after its row, so a failure says which row.
struct RowName
{
    template <class ParamInfo> std::string operator()(const ParamInfo &info) const
    {
        return info.param.name;
    }
};

} // namespace quennarix::testing
