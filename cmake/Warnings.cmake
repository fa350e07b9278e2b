# Warnings apply to our own targets only (not to googletest).
option(ORVIX_WERROR "Treat warnings as errors" OFF)

function(orvix_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(ORVIX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
