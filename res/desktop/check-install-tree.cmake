# Run by the packaging.install_tree test (cmake -P), with
#   BUILD_DIR STAGE_DIR APP_ID ICON_SIZES (comma-separated) PACKAGE VERSION CHANGELOG
#   WITH_BINARY (0 or 1) DESKTOP_FILE_VALIDATE APPSTREAMCLI CONFIG
# Installs the build into STAGE_DIR/usr and checks what landed there. Every fault is reported;
# the script fails at the end if there was any.

cmake_minimum_required(VERSION 3.25)

set(faults 0)
macro(fault text)
  message(SEND_ERROR "${text}")
  math(EXPR faults "${faults} + 1")
endmacro()

file(REMOVE_RECURSE "${STAGE_DIR}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE_DIR}/usr" --config "${CONFIG}"
  RESULT_VARIABLE result
  OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result})")
endif()

set(root "${STAGE_DIR}/usr")
set(desktop "${root}/share/applications/${APP_ID}.desktop")
set(metainfo "${root}/share/metainfo/${APP_ID}.metainfo.xml")
set(expected
    "${desktop}" "${metainfo}"
    "${root}/share/icons/hicolor/scalable/apps/${APP_ID}.svg"
    "${root}/share/doc/${PACKAGE}/copyright"
    "${root}/share/doc/${PACKAGE}/changelog.gz")
if(WITH_BINARY)
  list(APPEND expected "${root}/bin/Tamsik" "${root}/share/man/man1/Tamsik.1.gz")
endif()
foreach(file IN LISTS expected)
  if(NOT EXISTS "${file}")
    fault("not installed: ${file}")
  endif()
endforeach()

# Each PNG must be a PNG of the size its folder names: the IHDR chunk holds the width and the
# height as big-endian 32-bit numbers at bytes 16 to 23.
string(REPLACE "," ";" ICON_SIZES "${ICON_SIZES}")
foreach(size IN LISTS ICON_SIZES)
  set(png "${root}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
  if(NOT EXISTS "${png}")
    fault("not installed: ${png}")
    continue()
  endif()
  file(READ "${png}" signature HEX LIMIT 8)
  file(READ "${png}" width HEX OFFSET 16 LIMIT 4)
  file(READ "${png}" height HEX OFFSET 20 LIMIT 4)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT signature STREQUAL "89504e470d0a1a0a")
    fault("not a PNG: ${png}")
  elseif(NOT width EQUAL size OR NOT height EQUAL size)
    fault("${png} is ${width}x${height}, not ${size}x${size}")
  endif()
endforeach()

# The files must name each other by the same id.
if(EXISTS "${desktop}")
  file(STRINGS "${desktop}" lines)
  if(NOT "Icon=${APP_ID}" IN_LIST lines)
    fault("${desktop} has no line Icon=${APP_ID}")
  endif()
  if(NOT "Exec=Tamsik" IN_LIST lines)
    fault("${desktop} has no line Exec=Tamsik")
  endif()
endif()
if(EXISTS "${metainfo}")
  file(READ "${metainfo}" xml)
  foreach(needle "<id>${APP_ID}</id>"
                 "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
                 "<binary>Tamsik</binary>"
                 "<release version=\"${VERSION}\"")
    string(FIND "${xml}" "${needle}" at)
    if(at EQUAL -1)
      fault("${metainfo} lacks ${needle}")
    endif()
  endforeach()
endif()

# The newest changelog entry, which is the package's, must be for the version being built.
file(STRINGS "${CHANGELOG}" top LIMIT_COUNT 1)
if(NOT top MATCHES "^${PACKAGE} \\(${VERSION}\\) ")
  fault("the first entry of ${CHANGELOG} is not for ${PACKAGE} ${VERSION}: ${top}")
endif()

# appstreamcli checks the metainfo file against the desktop file and icons it finds beside it.
execute_process(
  COMMAND "${APPSTREAMCLI}" validate-tree --no-net "${STAGE_DIR}"
  RESULT_VARIABLE result
  OUTPUT_VARIABLE report
  ERROR_VARIABLE report)
if(NOT result EQUAL 0)
  fault("appstreamcli validate-tree failed:\n${report}")
endif()
execute_process(
  COMMAND "${DESKTOP_FILE_VALIDATE}" "${desktop}"
  RESULT_VARIABLE result
  OUTPUT_VARIABLE report
  ERROR_VARIABLE report)
if(NOT result EQUAL 0 OR NOT report STREQUAL "")
  fault("desktop-file-validate complains about the installed file:\n${report}")
endif()

if(faults GREATER 0)
  message(FATAL_ERROR "${faults} fault(s) in the installed tree")
endif()
message(STATUS "installed tree in ${STAGE_DIR} is complete")
