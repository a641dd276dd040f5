# Tests that need tools beyond the build's: a display server, a compositor,
# Wine, a package checker. Where one is missing the test is skipped with its
# name (tests/needs.sh), so a packager's plain `ctest` skips rather than fails.
set(QUENNARIX_NEEDS ${CMAKE_CURRENT_LIST_DIR}/../tests/needs.sh)

# NAME LABEL NEEDS TOOL... COMMAND ARGUMENT...
function(quennarix_add_tool_test name label)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "NEEDS;COMMAND")
    add_test(NAME ${name} COMMAND ${QUENNARIX_NEEDS} ${arg_NEEDS} -- ${arg_COMMAND})
    set_tests_properties(${name} PROPERTIES LABELS ${label} SKIP_RETURN_CODE 77)
endfunction()
