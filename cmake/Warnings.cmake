# Warnings for the project's own targets (call autorun_warnings(target)).
function(autorun_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local>
    -Wnon-virtual-dtor -Wcast-align -Wunused -Woverloaded-virtual
    -Wimplicit-fallthrough)
endfunction()

# A subsystem library: every .cpp under its folder.
function(autorun_library name)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  autorun_warnings(${name})
endfunction()
