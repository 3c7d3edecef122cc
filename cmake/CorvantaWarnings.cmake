# Our own code builds with every common warning as an error.
function(corvanta_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  # GCC 12 reports "literal" + std::string as overlapping memcpy at -O2 and
  # above (GCC bug 105329), a false positive in the standard library.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
endfunction()

# A core library: standard C++ only, so it never links Qt.
function(corvanta_core_library name alias)
  add_library(${name} STATIC ${ARGN})
  add_library(Corvanta::${alias} ALIAS ${name})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  corvanta_warnings(${name})
endfunction()

# The browser module is compiled for size (it is downloaded); these files,
# where a search or a song's voicing spends its time, keep the optimizations
# for speed there. Native builds keep their one level for every file.
# emcc answers the module's -Os with -fno-inline-functions on every file,
# which leaves even vector::operator[] a call: -O2 alone made the song's
# voicing ten times slower than native, so inlining is turned back on.
function(corvanta_speed_critical)
  if(EMSCRIPTEN)
    set_source_files_properties(${ARGN} PROPERTIES COMPILE_OPTIONS "-O2;-finline-functions")
  endif()
endfunction()
