#include "qt/application.hpp"
#include "qt/form1.hpp"
#include "version.hpp"

namespace {

std::unique_ptr<QWidget> createForm1()
{
    return std::make_unique<quennarix::qt::Form1>();
}

constexpr quennarix::qt::ProjectHeader kProject{
    QUENNARIX_TITLE, QUENNARIX_VERSION, QUENNARIX_APP_ID, ":/icons/quennarix", createForm1,
};

} // namespace

int main(int, char **argv)
{
    return quennarix::qt::start(argv[0], kProject);
}
