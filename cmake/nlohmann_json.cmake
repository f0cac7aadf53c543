# nlohmann/json, the reader of scene files: header-only (Debian's nlohmann-json3-dev), so the
# Windows build uses the same headers. The cross build finds packages in the MinGW root only, so
# there it takes the headers through a folder of the build tree that holds them alone: the build
# machine's /usr/include as a whole would put glibc's headers before MinGW's.
find_package(nlohmann_json 3.10 CONFIG QUIET)
if(nlohmann_json_FOUND)
    return()
endif()

find_path(VELMAR_NLOHMANN_JSON_ROOT nlohmann/json.hpp PATHS /usr/include /usr/local/include
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT VELMAR_NLOHMANN_JSON_ROOT)
    message(FATAL_ERROR "nlohmann/json.hpp not found: install nlohmann-json3-dev "
                        "(scripts/lib/common.sh ensure_packages)")
endif()
set(include_dir ${CMAKE_BINARY_DIR}/nlohmann_json_include)
file(MAKE_DIRECTORY ${include_dir})
file(CREATE_LINK ${VELMAR_NLOHMANN_JSON_ROOT}/nlohmann ${include_dir}/nlohmann SYMBOLIC)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
    INTERFACE_SYSTEM_INCLUDE_DIRECTORIES ${include_dir}
    INTERFACE_INCLUDE_DIRECTORIES ${include_dir})
