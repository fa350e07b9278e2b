# orvix_resource_library(<library.dll> <file.rc>): a library that holds resources only,
# linked without code or entry point, so that nothing of it can run when it is loaded.
# Returns nothing; the library is the output of a custom command for a target to depend on.
function(orvix_resource_library library rc_file)
  get_filename_component(name ${library} NAME_WE)
  get_filename_component(folder ${library} DIRECTORY)
  set(object ${CMAKE_CURRENT_BINARY_DIR}/resource-objects/${name}.res.o)
  add_custom_command(OUTPUT ${object}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/resource-objects
    COMMAND ${CMAKE_RC_COMPILER} -O coff -i ${rc_file} -o ${object}
    DEPENDS ${rc_file}
    VERBATIM)
  # "-e 0": no entry point; no start files, no runtime; no time stamp, so that the same
  # texts give the same file.
  add_custom_command(OUTPUT ${library}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CMAKE_C_COMPILER} -shared -nostdlib -s -Wl,-e,0 -Wl,--no-insert-timestamp -o ${library} ${object}
    DEPENDS ${object}
    COMMENT "Linking ${name}.dll"
    VERBATIM)
endfunction()
