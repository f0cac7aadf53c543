# The program's Windows sources (framework/, samples/, shell/, app/) read one precompiled header:
# <windows.h>, the framework and the standard headers most of them use took most of each source's
# compile time (a clean Windows build: 7 min of the processors' time, 4 with it). The header
# begins with what every MinGW release source reads first (cmake/string_members_in_place.h),
# which a precompiled header cannot follow; those sources take it from here instead.
function(velmar_precompile_program_headers)
    if(NOT MINGW)
        return()
    endif()
    target_precompile_headers(framework PRIVATE
        "$<$<CONFIG:Release>:${CMAKE_SOURCE_DIR}/cmake/string_members_in_place.h>"
        <windows.h> <algorithm> <memory> <optional> <string> <vector>
        ${CMAKE_SOURCE_DIR}/framework/afxwin.h)
    set_property(TARGET framework PROPERTY VELMAR_PRECOMPILED ON)
    foreach(library samples shell velmar_app)
        if(NOT TARGET ${library})  # velmar-conform's build has the framework alone
            continue()
        endif()
        target_precompile_headers(${library} REUSE_FROM framework)
        set_property(TARGET ${library} PROPERTY VELMAR_PRECOMPILED ON)
    endforeach()
endfunction()
