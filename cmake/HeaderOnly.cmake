# SPDX-License-Identifier: MIT
# Header-only libraries from the build machine's Debian packages, for every build: the native one,
# the MinGW-w64 cross build and the emscripten one. Each library's own folder is linked into a
# folder of this build's, so that a cross compiler sees that library and nothing else of
# /usr/include, whose other headers are the build machine's and would not fit it.
#
#   selmak_header_only(fast_float HEADER fast_float/fast_float.h)
#
# defines the target selmak::fast_float; HEADER names one file the package installs, its first
# folder is the one linked.
function(selmak_header_only name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "HEADER" "")
    if(TARGET selmak::${name})
        return()
    endif()
    find_path(${name}_ROOT "${arg_HEADER}" PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    if(NOT ${name}_ROOT)
        message(FATAL_ERROR "${arg_HEADER} is missing: tools/install-deps.sh installs it")
    endif()
    string(REGEX MATCH "^[^/]+" folder "${arg_HEADER}")
    set(include_dir "${CMAKE_BINARY_DIR}/header-only/${name}")
    file(MAKE_DIRECTORY "${include_dir}")
    file(CREATE_LINK "${${name}_ROOT}/${folder}" "${include_dir}/${folder}" SYMBOLIC)
    add_library(selmak_header_only_${name} INTERFACE)
    target_include_directories(selmak_header_only_${name} SYSTEM INTERFACE "${include_dir}")
    add_library(selmak::${name} ALIAS selmak_header_only_${name})
endfunction()
