# quillfen_expose_headers(<target>): the target's headers are included as
# "<folder>/Header.h", by the target itself and by every target that links
# it, and no other folder is reachable that way. Each target gets an include
# root of its own that holds only a link to its folder, so an include that
# reaches up to a folder the target does not link fails to compile.
function(quillfen_expose_headers target)
  get_filename_component(folder "${CMAKE_CURRENT_SOURCE_DIR}" NAME)
  set(root "${PROJECT_BINARY_DIR}/layers/${folder}")
  file(MAKE_DIRECTORY "${root}")
  if(NOT IS_SYMLINK "${root}/${folder}")
    file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${root}/${folder}" RESULT linked SYMBOLIC)
    if(NOT linked EQUAL 0)
      # Without symbolic links (Windows without developer mode) the build
      # still works; it only stops holding the layers.
      message(STATUS "No link for ${folder}/ (${linked}); its headers are reached from the source root")
      set(root "${PROJECT_SOURCE_DIR}")
    endif()
  endif()
  target_include_directories(${target} PUBLIC "${root}")
endfunction()
