# QUENNARIX_SOURCE_DATE_EPOCH: the one clock a build reads. SOURCE_DATE_EPOCH
# when it is set and not empty; else the commit's time, from git in a clone, or
# in an extracted source archive from commit.txt, which `git archive` fills in
# (scripts/commit.sh reads the same for the Makefile).
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/commit.txt _stamp LIMIT_COUNT 1)
if(NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
    set(QUENNARIX_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
elseif(_stamp MATCHES "^([0-9]+) ")
    set(QUENNARIX_SOURCE_DATE_EPOCH "${CMAKE_MATCH_1}")
else()
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE QUENNARIX_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
        ERROR_QUIET)
endif()
if(NOT QUENNARIX_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(WARNING "No commit time (neither git nor a source archive's commit.txt): "
                    "the build's files are dated 1970")
    set(QUENNARIX_SOURCE_DATE_EPOCH 0)
endif()
