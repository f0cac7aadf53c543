# velmar.exe is optimized across its sources at link time (the figures are in
# docs/velmar-benchmark.md). The sources it links are compiled once, each object holding both
# the compiler's intermediate code and machine code (fat LTO objects): the program's link
# optimizes the whole, and every other link (the tests, text_fit_probe) takes the machine code as
# before, told so by -fno-lto, without which GCC's linker plugin would optimize them at link time
# too. GCC 12 stops with an internal compiler error when it splits a program into partitions, so
# the whole is one.
if(MINGW)
    add_link_options($<$<CONFIG:Release>:-fno-lto>)
    # An archive's index names what its members' machine code defines. Read through GCC's plugin
    # (ar's default), the index would also name every inline function of the intermediate code,
    # such as std::string's members, and a link that needs one of those from the C++ library
    # (velmar-rop's own sources, GoogleTest) would take whole members of ours it does not use.
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(object_format pe-x86-64)
    else()
        set(object_format pe-i386)
    endif()
    set(CMAKE_CXX_ARCHIVE_CREATE "<CMAKE_AR> --target=${object_format} qc <TARGET> <LINK_FLAGS> <OBJECTS>")
    set(CMAKE_CXX_ARCHIVE_APPEND "<CMAKE_AR> --target=${object_format} q <TARGET> <LINK_FLAGS> <OBJECTS>")
    set(CMAKE_CXX_ARCHIVE_FINISH "<CMAKE_AR> --target=${object_format} s <TARGET>")
endif()

# Called once the program's targets exist.
function(velmar_optimize_program_at_link_time)
    if(NOT MINGW)
        return()
    endif()
    # -Os makes each constructor and destructor one body behind small entry points; that body
    # is local to its source, so the program would keep a copy of, say, std::string's move
    # constructor for every source that uses one. Without it the copies are one.
    # No source of the program asks for a type at run time (dynamic_cast, typeid), and -fno-rtti
    # keeps it so: the compiler refuses one. Exceptions keep the type information they need.
    foreach(library framework framework_main samples shell rop dib velmar_app)
        set_property(TARGET ${library} APPEND PROPERTY COMPILE_OPTIONS
            $<$<CONFIG:Release>:-flto;-ffat-lto-objects;-fno-declone-ctor-dtor;-fno-rtti>)
    endforeach()
    # velmar_without_version is the program the start-up tests run, so it is made the same way.
    foreach(program velmar velmar_without_version)
        if(TARGET ${program})
            set_property(TARGET ${program} APPEND PROPERTY LINK_OPTIONS
                $<$<CONFIG:Release>:-flto;-flto-partition=one>)
        endif()
    endforeach()
endfunction()
