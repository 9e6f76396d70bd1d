# Each header parsed once per build, not once per source file: the library compiles as
# a few unity sources, and the test suites and benchmarks include the Qt headers
# precompiled. The library and the program go without: precompiling all of Qt Widgets
# takes longer than the few unity sources spend parsing what they include, and
# everything else would wait for it.

# Each source of the library includes its class's moc output at its end, so that moc's
# code compiles within the unity sources, not in a collection of its own that would
# parse the Qt headers once more.

# Two unity sources per core keep both cores of a small machine busy to the end.
set(FC_UNITY_BATCH_SIZE 16 CACHE STRING "Source files per unity source of the library")

# ccache serves builds with precompiled headers only when told that their defines and
# time stamps are safe to ignore.
if(CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache")
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env
    CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
    ${CMAKE_CXX_COMPILER_LAUNCHER})
endif()

# moc reads only the sources it is given, so it need not wait, as CMake has it by default,
# for the libraries a target links: the suites' moc runs while the library compiles.
set(CMAKE_AUTOGEN_ORIGIN_DEPENDS OFF)
