# Our own code builds with every common warning as an error.
function(corvanta_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# A core library: standard C++ only, so it never links Qt.
function(corvanta_core_library name alias)
  add_library(${name} STATIC ${ARGN})
  add_library(Corvanta::${alias} ALIAS ${name})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  corvanta_warnings(${name})
endfunction()
