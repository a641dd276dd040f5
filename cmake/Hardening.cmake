# Debian's hardening flags for every optimised build of the Linux program: a
# position-independent executable, checked string and memory calls, a stack
# protector, and relocations made read-only after every symbol is bound at
# start (full RELRO with BINDNOW). A packager's own level of checked calls
# (CPPFLAGS from dpkg-buildflags, passed in CXXFLAGS) is kept.
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

set(_release $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)
add_compile_options(
    $<${_release}:-fstack-protector-strong>
    $<${_release}:-Wformat>
    $<${_release}:-Werror=format-security>)
if(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
    add_compile_definitions($<${_release}:_FORTIFY_SOURCE=2>)
endif()
add_link_options($<${_release}:LINKER:-z,relro> $<${_release}:LINKER:-z,now>)

# Qt's project setup gives installed programs a RUNPATH for a Qt beside them;
# this one uses the system's.
set(CMAKE_SKIP_INSTALL_RPATH ON)
