# Install rules, the Debian package and the checks of the desktop integration files.
#
# Everything that lands outside bin/ is named by the one application id that res/CMakeLists.txt
# sets (QUILLFEN_APP_ID): the .desktop file, the AppStream metainfo file and the icon.

if(NOT DEFINED QUILLFEN_APP_ID)
  message(FATAL_ERROR "cmake/Packaging.cmake needs QUILLFEN_APP_ID from res/CMakeLists.txt")
endif()

set(quillfen_res_dir "${PROJECT_SOURCE_DIR}/res")
# The Debian package name: the product's name, in the lower case Debian requires. The
# executable keeps its own name.
string(TOLOWER "${QUILLFEN_PRODUCT_NAME}" quillfen_package)

if(TARGET Tamsik)
  install(TARGETS Tamsik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(FILES "${quillfen_res_dir}/desktop/${QUILLFEN_APP_ID}.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${quillfen_res_dir}/desktop/${QUILLFEN_APP_ID}.metainfo.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS QUILLFEN_ICON_SIZES)
  install(FILES "${quillfen_res_dir}/icons/quillfen-${size}.png"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${QUILLFEN_APP_ID}.png)
endforeach()
install(FILES "${quillfen_res_dir}/icons/quillfen.svg"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${QUILLFEN_APP_ID}.svg)

# Debian wants the copyright file and the changelog under usr/share/doc/<package>, and a manual
# page for every program in usr/bin. The package is native (its version has no Debian revision),
# so the changelog is changelog.gz. Both are compressed with gzip -9n: no name and no time stamp,
# so that the package is reproducible.
configure_file("${quillfen_res_dir}/debian/Tamsik.1.in" Tamsik.1 @ONLY)
set(quillfen_man_gz "${CMAKE_CURRENT_BINARY_DIR}/Tamsik.1.gz")
set(quillfen_changelog_gz "${CMAKE_CURRENT_BINARY_DIR}/changelog.gz")
add_custom_command(
  OUTPUT "${quillfen_changelog_gz}" "${quillfen_man_gz}"
  COMMAND gzip -9n -c "${quillfen_res_dir}/debian/changelog" > "${quillfen_changelog_gz}"
  COMMAND gzip -9n -c "${CMAKE_CURRENT_BINARY_DIR}/Tamsik.1" > "${quillfen_man_gz}"
  DEPENDS "${quillfen_res_dir}/debian/changelog" "${CMAKE_CURRENT_BINARY_DIR}/Tamsik.1"
  COMMENT "Compressing the changelog and the manual page"
  VERBATIM)
add_custom_target(quillfen_package_docs ALL DEPENDS "${quillfen_changelog_gz}" "${quillfen_man_gz}")
install(FILES "${quillfen_res_dir}/debian/copyright" "${quillfen_changelog_gz}"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${quillfen_package})
if(TARGET Tamsik)
  install(FILES "${quillfen_man_gz}" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# Checks, when testing is on and the validators are installed (Debian packages
# desktop-file-utils and appstream).
if(QUILLFEN_BUILD_TESTS)
  find_program(QUILLFEN_DESKTOP_FILE_VALIDATE desktop-file-validate)
  find_program(QUILLFEN_APPSTREAMCLI appstreamcli)
  if(QUILLFEN_DESKTOP_FILE_VALIDATE AND QUILLFEN_APPSTREAMCLI)
    add_test(NAME packaging.desktop_file
             COMMAND ${QUILLFEN_DESKTOP_FILE_VALIDATE}
                     "${quillfen_res_dir}/desktop/${QUILLFEN_APP_ID}.desktop")
    # It exits 0 on hints and warnings; ours has none, so any of them is a fault.
    set_tests_properties(packaging.desktop_file PROPERTIES
                         FAIL_REGULAR_EXPRESSION "(error|warning|hint): ")
    add_test(NAME packaging.metainfo
             COMMAND ${QUILLFEN_APPSTREAMCLI} validate --no-net
                     "${quillfen_res_dir}/desktop/${QUILLFEN_APP_ID}.metainfo.xml")
    # Installs into a scratch folder and checks the tree: every file in place under the id,
    # each PNG of the size its folder names, the ids inside the files agreeing, and appstreamcli
    # validate-tree content with the whole.
    string(REPLACE ";" "," quillfen_icon_sizes_csv "${QUILLFEN_ICON_SIZES}")
    add_test(NAME packaging.install_tree
             COMMAND ${CMAKE_COMMAND}
                     -D "BUILD_DIR=${CMAKE_BINARY_DIR}"
                     -D "STAGE_DIR=${CMAKE_CURRENT_BINARY_DIR}/packaging-test-stage"
                     -D "APP_ID=${QUILLFEN_APP_ID}"
                     -D "ICON_SIZES=${quillfen_icon_sizes_csv}"
                     -D "PACKAGE=${quillfen_package}"
                     -D "VERSION=${PROJECT_VERSION}"
                     -D "CHANGELOG=${quillfen_res_dir}/debian/changelog"
                     -D "WITH_BINARY=$<TARGET_EXISTS:Tamsik>"
                     -D "DESKTOP_FILE_VALIDATE=${QUILLFEN_DESKTOP_FILE_VALIDATE}"
                     -D "APPSTREAMCLI=${QUILLFEN_APPSTREAMCLI}"
                     -D "CONFIG=$<CONFIG>"
                     -P "${quillfen_res_dir}/desktop/check-install-tree.cmake")
  else()
    message(STATUS "desktop-file-validate or appstreamcli not found: "
                   "the desktop integration files are not validated")
  endif()
endif()

# The Debian package: cmake --build <dir> --target package (or cpack in <dir>).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${quillfen_package})
set(CPACK_PACKAGE_VENDOR "${QUILLFEN_MAKER_NAME}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Orrelby <packages@orrelby.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "voltage drop calculator for branch circuits and feeders")
# Debian wants the lines of the long description no longer than 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "${QUILLFEN_PRODUCT_NAME} works out the voltage drop of an electrical branch circuit or feeder
from the system voltage, the phase, AC or DC, the conductor material, the
raceway, the load, the one-way length, the wire size and the conductors per
phase. It shows the percent drop, the volts dropped and the voltage at the
load, and it can also solve for the load, the length or the smallest standard
wire size that keeps within a chosen drop.")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://${QUILLFEN_DISTRIBUTOR_HOST}/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The packaged executable is stripped whatever the build type (Debian forbids debug symbols
# in the main package).
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps (Debian package dpkg-dev) reads the libraries the executable links and writes
# the Depends line with the least versions: libqt6widgets6, libqt6gui6, libqt6core6, libstdc++6,
# libgcc-s1, libc6. Without it CPack would quietly declare no library at all, so the same list
# is then written out by hand. On Debian 12 the X11 (xcb) platform plugin ships in libqt6gui6
# itself; qt6-qpa-plugins holds only VNC and touch plugins and is not needed. qt6-wayland lets
# the window run natively on a Wayland desktop instead of through XWayland.
find_program(QUILLFEN_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(QUILLFEN_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  message(STATUS "dpkg-shlibdeps not found (dpkg-dev): the package declares a fixed Depends list")
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libstdc++6 (>= 12), libgcc-s1 (>= 3.0), libc6 (>= 2.34)")
endif()
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# package_source must not sweep up build trees or Git's files.
set(CPACK_SOURCE_IGNORE_FILES "/build/" "/\\\\.git/" "/\\\\.cache/")

include(CPack)
