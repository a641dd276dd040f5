# Windows programs run under Wine on a virtual X server, in prefixes made under
# the build folder: one at 96 dpi and one at 144. One Wine test runs at a time.
set(QUENNARIX_UNDER_WINE ${CMAKE_CURRENT_LIST_DIR}/under_wine.sh)
set(QUENNARIX_WINE_DIR ${CMAKE_BINARY_DIR}/wine)

foreach(dpi 96 144)
    add_test(NAME wine_prefix_at_${dpi}dpi
        COMMAND ${CMAKE_CURRENT_LIST_DIR}/make_prefix.sh ${QUENNARIX_WINE_DIR}/prefix-${dpi} ${dpi})
    set_tests_properties(wine_prefix_at_${dpi}dpi PROPERTIES
        FIXTURES_SETUP wine_${dpi} RESOURCE_LOCK wine TIMEOUT 180)
endforeach()

# Test `name` runs the command ARGN with Wine set to the prefix at `dpi`.
function(quennarix_add_wine_test name dpi)
    add_test(NAME ${name}
        COMMAND ${QUENNARIX_UNDER_WINE} ${QUENNARIX_WINE_DIR}/prefix-${dpi} ${ARGN})
    set_tests_properties(${name} PROPERTIES
        FIXTURES_REQUIRED wine_${dpi} RESOURCE_LOCK wine TIMEOUT 120)
endfunction()
