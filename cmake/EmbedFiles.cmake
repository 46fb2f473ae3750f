# Turns files (web assets, shipped data) into a C++ source so that the program
# carries them and needs nothing beside itself at run time.
function(meridian_embed_files out_cpp base_dir)
  set(files ${ARGN})
  set(script "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/embed_files_run.cmake")
  add_custom_command(
    OUTPUT ${out_cpp}
    COMMAND ${CMAKE_COMMAND} -DOUT=${out_cpp} -DBASE=${base_dir} "-DFILES=${files}" -P ${script}
    DEPENDS ${files} ${script}
    COMMENT "Embedding shipped files"
    VERBATIM)
endfunction()
