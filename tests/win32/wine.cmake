# Windows programs run under Wine on a virtual X server, in prefixes made under
# the build folder. One Wine test runs at a time.
set(QUENNARIX_UNDER_WINE ${CMAKE_CURRENT_LIST_DIR}/under_wine.sh)
set(QUENNARIX_WINE_DIR ${CMAKE_BINARY_DIR}/wine)

# name, dots per inch, the Windows version Wine reports
set(_prefixes "96 96 win10" "144 144 win10" "win7 144 win7" "msi 96 win10")
foreach(prefix IN LISTS _prefixes)
    separate_arguments(prefix)
    list(GET prefix 0 name)
    list(GET prefix 1 dpi)
    list(GET prefix 2 windows)
    add_test(NAME wine_prefix_${name}
        COMMAND ${CMAKE_CURRENT_LIST_DIR}/make_prefix.sh ${QUENNARIX_WINE_DIR}/prefix-${name}
                ${dpi} ${windows})
    set_tests_properties(wine_prefix_${name} PROPERTIES
        FIXTURES_SETUP wine_${name} RESOURCE_LOCK wine TIMEOUT 180)
endforeach()

# Test `name` runs the command ARGN with Wine set to the prefix `prefix`.
function(quennarix_add_wine_test name prefix)
    add_test(NAME ${name}
        COMMAND ${QUENNARIX_UNDER_WINE} ${QUENNARIX_WINE_DIR}/prefix-${prefix} ${ARGN})
    set_tests_properties(${name} PROPERTIES
        FIXTURES_REQUIRED wine_${prefix} RESOURCE_LOCK wine TIMEOUT 120)
endfunction()
