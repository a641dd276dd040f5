# The web page, built beside the Linux program by Emscripten (Debian's
# emscripten package) from this same tree, in a build folder of its own inside
# this one: ${QUENNARIX_WEB_PAGE} once built. Without Emscripten there is none,
# and its tests say so when they are skipped.
option(QUENNARIX_BUILD_WEB_PAGE "Build the web page too (needs Emscripten)" OFF)
set(QUENNARIX_WEB_PAGE "")
if(NOT QUENNARIX_BUILD_WEB_PAGE)
    return()
endif()
find_program(QUENNARIX_EMCMAKE emcmake)
if(NOT QUENNARIX_EMCMAKE)
    message(STATUS "No web page: Emscripten (package emscripten) is missing")
    return()
endif()
include(ExternalProject)
# Debian's Emscripten runs its tools with the system's node, which finds
# Debian's JavaScript modules there by itself; another node needs telling.
set(_env ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
ExternalProject_Add(quennarix_web_page_build
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/web-page
    CMAKE_COMMAND ${_env} ${QUENNARIX_EMCMAKE} ${CMAKE_COMMAND}
    CMAKE_ARGS -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=OFF
    BUILD_COMMAND ${_env} ${CMAKE_COMMAND} --build <BINARY_DIR>
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
set(QUENNARIX_WEB_PAGE ${CMAKE_BINARY_DIR}/web-page/web/quennarix-${QUENNARIX_VERSION_TEXT}.html)
