# Windows programs run under Wine on a virtual X server, in prefixes made under
# the build folder. One Wine test runs at a time.
set(QUENNARIX_UNDER_WINE ${CMAKE_CURRENT_LIST_DIR}/under_wine.sh)
set(QUENNARIX_WINE_DIR ${CMAKE_BINARY_DIR}/wine)

# A fresh prefix `name` at `dpi` dots per inch, with Wine reporting `windows`.
function(quennarix_add_wine_prefix name dpi windows)
    add_test(NAME wine_prefix_${name}
        COMMAND ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/make_prefix.sh
                ${QUENNARIX_WINE_DIR}/prefix-${name} ${dpi} ${windows})
    set_tests_properties(wine_prefix_${name} PROPERTIES
        FIXTURES_SETUP wine_${name} RESOURCE_LOCK wine TIMEOUT 180)
endfunction()

quennarix_add_wine_prefix(96 96 win10)
quennarix_add_wine_prefix(144 144 win10)
quennarix_add_wine_prefix(win7 144 win7)
quennarix_add_wine_prefix(msi 96 win10)

# Test `name` runs the command ARGN with Wine set to the prefix `prefix`.
function(quennarix_add_wine_test name prefix)
    add_test(NAME ${name}
        COMMAND ${QUENNARIX_UNDER_WINE} ${QUENNARIX_WINE_DIR}/prefix-${prefix} ${ARGN})
    set_tests_properties(${name} PROPERTIES
        FIXTURES_REQUIRED wine_${prefix} RESOURCE_LOCK wine TIMEOUT 120)
endfunction()
