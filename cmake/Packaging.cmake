# `cpack -G DEB` in the build folder makes a Debian package of what `cmake --install` puts in place.
set(CPACK_PACKAGE_NAME quennarix)
set(CPACK_PACKAGE_VERSION "${QUENNARIX_VERSION_TEXT}")
set(CPACK_PACKAGE_VENDOR "The Quennarix authors")
set(CPACK_PACKAGE_CONTACT "The Quennarix authors <quennarix@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's captions are sized for this font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_GENERATOR DEB)
include(CPack)
