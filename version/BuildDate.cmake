# quillfen_build_date(<var>): when SOURCE_DATE_EPOCH is set, the date it names
# (UTC) written as __DATE__ writes it, "Oct 15 1998" with the day padded by a
# space, so that builds of the same sources are identical. Empty otherwise,
# and the compiler's __DATE__ is used.
function(quillfen_build_date out)
  set(epoch "$ENV{SOURCE_DATE_EPOCH}")
  if(epoch STREQUAL "")
    set(${out} "" PARENT_SCOPE)
    return()
  endif()
  if(NOT epoch MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH must be a count of seconds, not \"${epoch}\"")
  endif()
  # string(TIMESTAMP) reads SOURCE_DATE_EPOCH itself. The month is named here
  # rather than by %b so that no locale can change it.
  string(TIMESTAMP stamp "%m %d %Y" UTC)
  if(NOT stamp MATCHES "^([0-9][0-9]) ([0-9][0-9]) ([0-9][0-9][0-9][0-9])$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH ${epoch} gives no date of four-digit year")
  endif()
  set(day "${CMAKE_MATCH_2}")
  set(year "${CMAKE_MATCH_3}")
  string(REGEX REPLACE "^0" "" month "${CMAKE_MATCH_1}")
  math(EXPR month "${month} - 1")
  set(names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET names ${month} month)
  string(REGEX REPLACE "^0" " " day "${day}")
  set(${out} "${month} ${day} ${year}" PARENT_SCOPE)
endfunction()
