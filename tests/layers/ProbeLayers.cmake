# Builds each probe target and fails unless every one fails to compile
# because the header it reaches for is not on its include path.
foreach(probe IN LISTS PROBES)
  string(REPLACE "|" ";" parts "${probe}")
  list(GET parts 0 target)
  list(GET parts 1 header)
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${target}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  get_filename_component(name "${header}" NAME)
  if(result EQUAL 0)
    message(FATAL_ERROR "${target}: including ${header} compiled; the layers do not hold")
  endif()
  if(NOT output MATCHES "${name}")
    message(FATAL_ERROR "${target} failed for another reason:\n${output}")
  endif()
  message(STATUS "${target}: ${header} is out of reach")
endforeach()
