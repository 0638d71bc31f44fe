# Run with cmake -P: quillfen_build_date() against dates worked out by hand.
include(${BUILD_DATE_SCRIPT})

# A value that is no count of seconds stops the configure with a message.
if(MALFORMED)
  set(ENV{SOURCE_DATE_EPOCH} "${MALFORMED}")
  quillfen_build_date(got)
  message(SEND_ERROR "SOURCE_DATE_EPOCH=${MALFORMED} was taken as \"${got}\"")
  return()
endif()

set(cases
  "908409600|Oct 15 1998"   # 1998-10-15 00:00:00 UTC
  "908495999|Oct 15 1998"   # its last second: UTC, not local time
  "1709640000|Mar  5 2024"  # one-digit day, padded with a space
  "946684799|Dec 31 1999"
  "946684800|Jan  1 2000"
  "0|Jan  1 1970"
  "2147483648|Jan 19 2038"  # past the signed 32-bit seconds
  "1000000000|Sep  9 2001"
  "1217548800|Aug  1 2008"  # 08 and 09 are months, not octal
  "1252454400|Sep  9 2009"
)
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 epoch)
  list(GET parts 1 expected)
  set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
  quillfen_build_date(got)
  if(NOT got STREQUAL expected)
    message(SEND_ERROR "SOURCE_DATE_EPOCH=${epoch}: got \"${got}\", expected \"${expected}\"")
  endif()
endforeach()

# Unset or empty: no date, so the compiler's __DATE__ is used.
unset(ENV{SOURCE_DATE_EPOCH})
quillfen_build_date(got)
if(NOT got STREQUAL "")
  message(SEND_ERROR "without SOURCE_DATE_EPOCH: got \"${got}\", expected nothing")
endif()
set(ENV{SOURCE_DATE_EPOCH} "")
quillfen_build_date(got)
if(NOT got STREQUAL "")
  message(SEND_ERROR "with an empty SOURCE_DATE_EPOCH: got \"${got}\", expected nothing")
endif()
