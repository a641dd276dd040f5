# Windows programs run under Wine on a virtual X server, in prefixes made under
# the build folder. One Wine test runs at a time.
set(QUENNARIX_UNDER_WINE ${PROJECT_SOURCE_DIR}/harness/under_wine.sh)
set(QUENNARIX_WINE_DIR ${CMAKE_BINARY_DIR}/wine)

set(QUENNARIX_WINE_TOOLS wine wineserver Xvfb)

# A fresh prefix `name` at `dpi` dots per inch, with Wine reporting `windows`.
function(quennarix_add_wine_prefix name dpi windows)
    quennarix_add_tool_test(wine_prefix_${name} windows NEEDS ${QUENNARIX_WINE_TOOLS}
        COMMAND ${PROJECT_SOURCE_DIR}/harness/make_wine_prefix.sh
                ${QUENNARIX_WINE_DIR}/prefix-${name} ${dpi} ${windows})
    set_tests_properties(wine_prefix_${name} PROPERTIES
        FIXTURES_SETUP wine_${name} RESOURCE_LOCK wine TIMEOUT 180)
endfunction()

quennarix_add_wine_prefix(96 96 win10)
quennarix_add_wine_prefix(144 144 win10)
quennarix_add_wine_prefix(win7 144 win7)
quennarix_add_wine_prefix(msi 96 win10)

# NAME PREFIX [NEEDS TOOL...] COMMAND ARGUMENT...: the command with Wine set to
# the prefix, needing the tools named beyond Wine's.
function(quennarix_add_wine_test name prefix)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "NEEDS;COMMAND")
    quennarix_add_tool_test(${name} windows NEEDS ${QUENNARIX_WINE_TOOLS} ${arg_NEEDS}
        COMMAND ${QUENNARIX_UNDER_WINE} ${QUENNARIX_WINE_DIR}/prefix-${prefix} ${arg_COMMAND})
    set_tests_properties(${name} PROPERTIES
        FIXTURES_REQUIRED wine_${prefix} RESOURCE_LOCK wine TIMEOUT 120)
endfunction()
