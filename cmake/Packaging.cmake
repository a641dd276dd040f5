# `cpack` in the build folder packs what `cmake --install` puts in place: a
# Debian package from the Linux build; a ZIP from the Windows one.
set(CPACK_PACKAGE_NAME quennarix)
set(CPACK_PACKAGE_VERSION "${QUENNARIX_VERSION_TEXT}")
set(CPACK_PACKAGE_VENDOR "The Quennarix authors")
set(CPACK_PACKAGE_CONTACT "The Quennarix authors <authors@quennarix.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Quennarix converts a time between two forms: minutes and seconds, such as"
    "01:30, and the same count of seconds written as four hexadecimal digits,"
    "such as 005A, from 0 up to FFFF (1092:15)."
    ""
    "Type into one box and click the arrow pointing away from it. An empty box,"
    "or text that is neither a time nor a hexadecimal number, is answered with"
    "a one-line message, and what was typed stays where it was. The program"
    "reads and writes no files and uses no network.")
# Every packed file gets the commit's time and plain permissions.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/NormalizeStaging.cmake)
set(CPACK_QUENNARIX_SOURCE_DATE_EPOCH ${QUENNARIX_SOURCE_DATE_EPOCH})
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")

if(WIN32)
    # The installer is an MSI, built beside this by win32/CMakeLists.txt.
    set(CPACK_PACKAGE_FILE_NAME "quennarix-${QUENNARIX_VERSION_TEXT}-windows-x64")
    set(QUENNARIX_ZIP ${PROJECT_BINARY_DIR}/${CPACK_PACKAGE_FILE_NAME}.zip)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/SortZipEntries.cmake)
else()
    # The Linux program alone: the Windows linker already stripped its program
    # (-s), and stripping it again writes a time stamp and a checksum into its
    # PE header, so the ZIP's .exe would not be the MSI's.
    set(CPACK_STRIP_FILES ON)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    if(QUENNARIX_DEBIAN_ARCHITECTURE) # a cross build's toolchain file names it
        set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${QUENNARIX_DEBIAN_ARCHITECTURE})
    endif()
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # The window's captions are sized for this font.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
    # Native on Wayland desktops; without it Qt falls back to XWayland.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
    set(CPACK_GENERATOR DEB)
endif()
include(CPack)
