# Run by CPack after it packs. Its ZIP generator adds files in the order the
# file system lists them, which varies; Debian's strip-nondeterminism rewrites
# the archive with its entries sorted by name. (The DEB generator sorts itself.)
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(package MATCHES "\\.zip$")
        execute_process(
            COMMAND strip-nondeterminism --type zip
                    --timestamp ${CPACK_QUENNARIX_SOURCE_DATE_EPOCH} ${package}
            COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
