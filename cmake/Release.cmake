# The release is declared once, in Debian's form, by the newest entry of
# resources/debian/changelog: its version must be project()'s, and its date
# dates the metainfo's release and the manual page.
file(STRINGS ${PROJECT_SOURCE_DIR}/resources/debian/changelog _changelog)
list(GET _changelog 0 _heading)
if(NOT _heading MATCHES "^quennarix \\(([^)]+)\\)")
    message(FATAL_ERROR "resources/debian/changelog does not start with an entry")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "The changelog's newest entry is ${CMAKE_MATCH_1}, "
                        "the project's version ${PROJECT_VERSION}")
endif()
foreach(_line IN LISTS _changelog)
    if(_line MATCHES "^ -- .*  [A-Z][a-z][a-z], ([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
        set(_day ${CMAKE_MATCH_1})
        set(_month ${CMAKE_MATCH_2})
        set(_year ${CMAKE_MATCH_3})
        break()
    endif()
endforeach()
if(NOT DEFINED _year)
    message(FATAL_ERROR "The changelog's newest entry has no date")
endif()
set(_abbreviations Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(_names January February March April May June July August September October November
           December)
list(FIND _abbreviations ${_month} _index)
math(EXPR _number "${_index} + 1")
list(GET _names ${_index} _name)
string(LENGTH "${_day}" _digits)
if(_digits EQUAL 1)
    set(_day "0${_day}")
endif()
if(_number LESS 10)
    set(_number "0${_number}")
endif()
set(QUENNARIX_RELEASE_DATE "${_year}-${_number}-${_day}") # 2026-12-07
set(QUENNARIX_RELEASE_MONTH "${_name} ${_year}")          # December 2026
