# Cross build for 64-bit ARM Linux (Debian's arm64) with Debian's cross
# compilers (crossbuild-essential-arm64) against the arm64 libraries installed
# beside the build machine's own (multiarch); tests run under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)

set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64-static)

# Qt's tools (moc, rcc) are the build machine's; its libraries the arm64 ones.
set(QT_HOST_PATH /usr)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)
# The Debian architecture the .deb is for.
set(QUENNARIX_DEBIAN_ARCHITECTURE arm64)
