# Run by CPack on the staging tree, before it makes the Debian package: what Debian's own
# packaging tools would do to the installed files.
set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT IS_DIRECTORY "${root}/bin")
    message(FATAL_ERROR "no staged bin/ under ${root}")
endif()
set(doc "${root}/share/doc/tolvane")

# Symbols, comments and the plain .note section are no use to the program; the build id stays.
file(GLOB programs "${root}/bin/*" "${root}/libexec/tolvane/bin/*")
foreach(program IN LISTS programs)
    execute_process(COMMAND "${CPACK_TOLVANE_STRIP}" --remove-section=.comment
                            --remove-section=.note "${program}"
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "cannot strip ${program}")
    endif()
endforeach()

# Debian's changelog and the manual pages go compressed, without a time stamp (-n); lintian's
# notes on what does not apply to a package made outside Debian go beside them.
file(MAKE_DIRECTORY "${doc}")
configure_file("${CPACK_TOLVANE_DEBIAN_DIR}/changelog" "${doc}/changelog.Debian" COPYONLY)
file(GLOB pages "${root}/share/man/man1/*.1")
foreach(file IN LISTS pages ITEMS "${doc}/changelog.Debian")
    execute_process(COMMAND gzip -9nf "${file}" RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "cannot compress ${file}")
    endif()
endforeach()

file(MAKE_DIRECTORY "${root}/share/lintian/overrides")
configure_file("${CPACK_TOLVANE_DEBIAN_DIR}/lintian-overrides"
               "${root}/share/lintian/overrides/tolvane" COPYONLY)

# Files and folders as dpkg expects them, whatever the umask of the build was.
file(GLOB_RECURSE everything LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(path IN LISTS everything)
    if(IS_SYMLINK "${path}")
        continue()
    elseif(IS_DIRECTORY "${path}" OR path MATCHES "/s?bin/[^/]+$|/libexec/tolvane/bin/[^/]+$")
        file(CHMOD "${path}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                         GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    else()
        file(CHMOD "${path}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    endif()
endforeach()
