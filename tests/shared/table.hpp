#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

// The table-driven pattern in one place: a row type whose first field names
// the case, a fixture over it, and one instantiation per table.
namespace quennarix::testing {

// A failure prints only the row's name, which names its case.
struct NamedRow
{
    const char *name;
    friend std::ostream &operator<<(std::ostream &out, const NamedRow &row)
    {
        return out << row.name;
    }
};

// `using Fixture = Table<Row>;`, or with a fixture of its own as Base.
template <class Row, class Base = ::testing::Test>
class Table : public Base, public ::testing::WithParamInterface<Row>
{
protected:
    const Row &row() const { return this->GetParam(); }
};

struct RowName
{
    template <class ParamInfo> std::string operator()(const ParamInfo &info) const
    {
        return info.param.name;
    }
};

} // namespace quennarix::testing

// Runs every TEST_P of `fixture` over `rows`, any container of its row type.
#define QUENNARIX_TABLE(fixture, rows)                                                             \
    INSTANTIATE_TEST_SUITE_P(Table, fixture, ::testing::ValuesIn(rows),                            \
                             ::quennarix::testing::RowName())
