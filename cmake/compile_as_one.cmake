# A library of many small sources is compiled as one (a unity build): each alone would parse the
# same headers again, most of the time it takes, and the portable libraries are built in four
# presets. So the names in the anonymous namespaces of one library's sources are all different.
# A source with compile options of its own stays apart (CMake leaves it out of the unity source).
function(velmar_compile_as_one target)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 0)
endfunction()
