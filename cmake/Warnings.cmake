# Warnings for the project's own targets; third-party headers come in as system headers.
function(orvanta_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  # A unity build includes each file into a batch file, and g++ then takes a class of a file's
  # anonymous namespace (a test fixture) for one that a header puts into every file.
  if(CMAKE_UNITY_BUILD AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-subobject-linkage)
  endif()
  # g++ 12 optimising warns that "text" + std::string may copy overlapping memory, a false
  # alarm of that compiler (fixed in g++ 13): it only hid real warnings in the optimised build.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
endfunction()
