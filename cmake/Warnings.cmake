# Warnings apply to our own targets only (not to googletest).
option(ORVIX_WERROR "Treat warnings as errors" OFF)

function(orvix_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  # GCC 12 reports impossible overlaps inside libstdc++'s own std::string code when
  # optimising (a known false positive of -Wrestrict); nothing of ours is concerned.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(ORVIX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
