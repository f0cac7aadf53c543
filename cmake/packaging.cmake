# The release packages, made by CPack (scripts/package): on Windows a zip of the programs
# (velmar-conform in its x64 and x86 builds), a README, the licence and docs/conformance.md, with
# its winget and Scoop manifests; elsewhere a Debian package of
# velmar-rop with its manual page. Every file has fixed permissions and, through
# SOURCE_DATE_EPOCH, a fixed time, so two builds of one commit give the same bytes.
set(VELMAR_SOURCE_URL "https://www.tovera.example/velmar/source/")
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(release ${CMAKE_CURRENT_LIST_DIR}/release)

set(CPACK_PACKAGE_NAME velmar)
set(CPACK_PACKAGE_VENDOR "Tovera Software Works")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_SOURCE_DIR}/dist)

if(WIN32)
    configure_file(${release}/README.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)
    configure_file(${CMAKE_SOURCE_DIR}/LICENSE LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
    install(TARGETS velmar velmar-rop velmar-conform RUNTIME DESTINATION .)
    # velmar-conform's x86 build comes from a build of its own (the release-windows-x86 preset,
    # which scripts/package builds first); a build without it packs the x64 programs alone.
    set(VELMAR_CONFORM_X86_EXE "" CACHE FILEPATH "velmar-conform.exe of the x86 build, for the zip")
    if(VELMAR_CONFORM_X86_EXE)
        if(NOT EXISTS ${VELMAR_CONFORM_X86_EXE})
            message(FATAL_ERROR "${VELMAR_CONFORM_X86_EXE} is not there: build the release-windows-x86 preset first")
        endif()
        install(PROGRAMS ${VELMAR_CONFORM_X86_EXE} DESTINATION . RENAME velmar-conform-x86.exe)
    endif()
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt
        DESTINATION .)
    install(FILES ${CMAKE_SOURCE_DIR}/docs/conformance.md DESTINATION docs)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME velmar-${PROJECT_VERSION}-windows-x64)
    # The winget and Scoop manifests of the zip, written once it is made.
    set(CPACK_POST_BUILD_SCRIPTS ${release}/manifests.cmake)
    set(CPACK_VELMAR_DOWNLOAD_URL ${VELMAR_DOWNLOAD_URL})
    set(CPACK_VELMAR_SOURCE_URL ${VELMAR_SOURCE_URL})
    file(STRINGS ${CMAKE_SOURCE_DIR}/shell/web_site.h web_site REGEX "#define VELMAR_WEB_SITE")
    string(REGEX REPLACE ".*\"(.*)\".*" "\\1" CPACK_VELMAR_WEB_SITE "${web_site}")
else()
    set(manual ${CMAKE_CURRENT_BINARY_DIR}/velmar-rop.1)
    add_custom_command(OUTPUT ${manual}.gz
        COMMAND ${CMAKE_COMMAND} -DVELMAR_ROP=$<TARGET_FILE:velmar-rop> -DVERSION=${PROJECT_VERSION}
            -DOUTPUT=${manual} -P ${release}/man_page.cmake
        # -n: no name or time in the gzip header.
        COMMAND gzip -9nf ${manual}
        DEPENDS velmar-rop ${release}/man_page.cmake
        COMMENT "Writing the manual page of velmar-rop")
    add_custom_target(velmar_rop_manual ALL DEPENDS ${manual}.gz)

    # Debian's machine-readable copyright file: the licence text indented, blank lines as " .".
    file(READ ${CMAKE_SOURCE_DIR}/LICENSE licence)
    string(REGEX REPLACE "\n$" "" licence "${licence}")
    string(REPLACE "\n\n" "\n.\n" licence "${licence}")
    string(REPLACE "\n" "\n " licence "${licence}")
    configure_file(${release}/copyright.in copyright @ONLY)
    file(APPEND ${CMAKE_CURRENT_BINARY_DIR}/copyright " ${licence}\n")

    install(TARGETS velmar-rop RUNTIME DESTINATION bin)
    install(FILES ${manual}.gz DESTINATION share/man/man1)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright DESTINATION share/doc/velmar-rop)
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_STRIP_FILES ON)
    set(CPACK_DEBIAN_PACKAGE_NAME velmar-rop)
    set(CPACK_DEBIAN_FILE_NAME velmar-rop_${PROJECT_VERSION}_amd64.deb)
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
    set(CPACK_DEBIAN_PACKAGE_SECTION devel)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tovera Software Works <velmar@tovera.example>")
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VELMAR_SOURCE_URL})
    set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
        "ternary, pen-mix and MaskBlt raster-operation codes for Windows GDI")
    string(CONCAT CPACK_PACKAGE_DESCRIPTION "velmar-rop answers, in a terminal, which code a BitBlt, SetROP2 or\n"
        "MaskBlt call needs. From the truth table's result column, an index, reverse\n"
        "Polish notation, a C expression, a GDI name or a code it prints the code, the\n"
        "published RPN, the name and a shortest C expression, as text or JSON.")
endif()

include(CPack)
