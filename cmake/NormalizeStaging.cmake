# Run by CPack on its staging folder before it packs: the archive then holds the
# same times and modes however and whenever the tree was built. The archivers
# read SOURCE_DATE_EPOCH too.
set(ENV{SOURCE_DATE_EPOCH} ${CPACK_QUENNARIX_SOURCE_DATE_EPOCH})
execute_process(
    COMMAND find ${CPACK_TEMPORARY_INSTALL_DIRECTORY} -exec chmod u+w,go-w,a+rX {} +
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(
    COMMAND find ${CPACK_TEMPORARY_INSTALL_DIRECTORY} -exec touch --no-dereference
            --date=@${CPACK_QUENNARIX_SOURCE_DATE_EPOCH} {} +
    COMMAND_ERROR_IS_FATAL ANY)
