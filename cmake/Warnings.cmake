# Warnings for the project's own targets; third-party headers come in as system headers.
function(orvanta_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  # A unity build includes each file into a batch file, and g++ then takes a class of a file's
  # anonymous namespace (a test fixture) for one that a header puts into every file.
  if(CMAKE_UNITY_BUILD AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-subobject-linkage)
  endif()
endfunction()
