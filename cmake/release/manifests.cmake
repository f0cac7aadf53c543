# Run by CPack once the packages are made (CPACK_POST_BUILD_SCRIPTS): for the Windows zip, the
# winget manifest (three files, schema 1.12.0) in winget/ and the Scoop manifest in scoop/, beside
# the packages. Their hash is the zip's, their date the last commit's (SOURCE_DATE_EPOCH, which
# string(TIMESTAMP) follows), so they are as reproducible as the zip. Also runs as
# cmake -DCPACK_PACKAGE_FILES=... -DCPACK_PACKAGE_DIRECTORY=... -P manifests.cmake with the
# CPACK_VELMAR_ values below.
foreach(file IN LISTS CPACK_PACKAGE_FILES)
    if(file MATCHES "/(velmar-([0-9.]+)-windows-x64)\\.zip$")
        set(zip_path ${file})
        set(TOP ${CMAKE_MATCH_1})
        set(VERSION ${CMAKE_MATCH_2})
    endif()
endforeach()
if(NOT zip_path)
    return()
endif()

get_filename_component(ZIP ${zip_path} NAME)
file(SHA256 ${zip_path} ZIP_SHA256)
string(TOUPPER ${ZIP_SHA256} ZIP_SHA256_UPPER)
string(TIMESTAMP RELEASE_DATE "%Y-%m-%d" UTC)
set(DOWNLOAD_URL ${CPACK_VELMAR_DOWNLOAD_URL})
set(SOURCE_URL ${CPACK_VELMAR_SOURCE_URL})
set(WEB_SITE ${CPACK_VELMAR_WEB_SITE})

set(templates ${CMAKE_CURRENT_LIST_DIR})
foreach(manifest Tovera.Velmar Tovera.Velmar.locale.en-US Tovera.Velmar.installer)
    configure_file(${templates}/winget/${manifest}.yaml.in
        ${CPACK_PACKAGE_DIRECTORY}/winget/${manifest}.yaml @ONLY NEWLINE_STYLE LF)
endforeach()
configure_file(${templates}/scoop/velmar.json.in ${CPACK_PACKAGE_DIRECTORY}/scoop/velmar.json
    @ONLY NEWLINE_STYLE LF)
