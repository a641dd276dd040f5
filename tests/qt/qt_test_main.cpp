#include <QApplication>

#include <gtest/gtest.h>

// GoogleTest's main with a QApplication around the tests. Listing the tests
// (as CTest does to discover them) needs no display, so it makes none.
int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quennarix"));
    return RUN_ALL_TESTS();
}
