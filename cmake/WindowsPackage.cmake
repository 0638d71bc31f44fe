# What a Windows user gets: a portable zip and a per-user installer, both made
# from one staged folder holding Tamsik.exe with the Qt DLLs, the platform and
# style plugins and the MinGW runtime, stripped. `cmake --build <dir> --target
# windows_packages` leaves both in <dir>/dist/.

set(quillfen_dist_name "${QUILLFEN_PRODUCT_NAME}-${PROJECT_VERSION}-win64")
set(quillfen_dist_dir "${PROJECT_BINARY_DIR}/dist")

# The runtime files beside the executable, each as <folder relative to the
# install folder>|<source>. One list serves the zip and both halves of the
# installer, so the uninstaller removes exactly what was installed.
set(quillfen_runtime "")
foreach(module Core Gui Widgets)
  list(APPEND quillfen_runtime ".|${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}/Qt6${module}.dll")
endforeach()
list(APPEND quillfen_runtime
  "platforms|${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/platforms/qwindows.dll"
  "styles|${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/styles/qwindowsvistastyle.dll")
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
    message(FATAL_ERROR "The MinGW runtime ${dll} was not found (${found})")
  endif()
  list(APPEND quillfen_runtime ".|${found}")
endforeach()

find_program(QUILLFEN_MAKENSIS makensis)
add_custom_target(windows_packages
  COMMAND ${CMAKE_COMMAND}
          "-DEXE=$<TARGET_FILE:Tamsik>" "-DRUNTIME=${quillfen_runtime}"
          "-DSTRIP=${CMAKE_STRIP}" "-DMAKENSIS=${QUILLFEN_MAKENSIS}"
          "-DDIST=${quillfen_dist_dir}" "-DNAME=${quillfen_dist_name}"
          "-DNSI_IN=${PROJECT_SOURCE_DIR}/res/windows/Quillfen.nsi.in"
          "-DICON=${QUILLFEN_ICON_FILE}"
          "-DPRODUCT=${QUILLFEN_PRODUCT_NAME}" "-DVERSION=${PROJECT_VERSION}"
          "-DPUBLISHER=${QUILLFEN_MAKER_NAME}" "-DEXECUTABLE=${QUILLFEN_EXECUTABLE_NAME}"
          "-DDESCRIPTION=${QUILLFEN_PRODUCT_DESCRIPTION}"
          -P "${PROJECT_SOURCE_DIR}/cmake/WindowsDist.cmake"
  DEPENDS Tamsik quillfen_ico
  COMMENT "Staging, zipping and packaging ${quillfen_dist_name}"
  VERBATIM)
