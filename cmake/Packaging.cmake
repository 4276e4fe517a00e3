# SPDX-License-Identifier: GPL-3.0-or-later
# Installing like a Linux program: desktop entry, icons, MIME type, udev rule,
# manual pages, bash completion, and the Debian package (./build.sh package).
include(GNUInstallDirs)
set(PKG_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(PKG_OUT ${CMAKE_BINARY_DIR}/packaging)
# Who answers for the package, and where the project lives: a fork sets its own.
set(DPMR_MAINTAINER "dpmr-cps developers <dpmr-cps@users.noreply.github.com>" CACHE STRING
    "Maintainer field of the Debian package")
set(DPMR_HOMEPAGE "https://github.com/dpmr-cps/dpmr-cps" CACHE STRING "Homepage of the project")

# ---- icons: the program's icon rendered at the hicolor theme's sizes --------
add_executable(render_icon ${PKG_DIR}/render_icon.cpp)
target_link_libraries(render_icon PRIVATE Qt6::Gui)
if(EXISTS ${CMAKE_SOURCE_DIR}/res/icons/app.svg)
  set(ICON_SOURCE ${CMAKE_SOURCE_DIR}/res/icons/app.svg)
  set(ICON_SIZES 16 22 24 32 48 64 128 256)
  install(FILES ${ICON_SOURCE} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME dpmr-cps.svg)
else()
  # a pixel picture: sizes up to twice its own
  set(ICON_SOURCE ${CMAKE_SOURCE_DIR}/res/icons/app.png)
  set(ICON_SIZES 16 22 24 32 48 64)
endif()
set(ICON_FILES)
foreach(size ${ICON_SIZES})
  set(png ${PKG_OUT}/icons/${size}/dpmr-cps.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PKG_OUT}/icons/${size}
    COMMAND render_icon ${ICON_SOURCE} ${size} ${png}
    DEPENDS render_icon ${ICON_SOURCE} VERBATIM)
  list(APPEND ICON_FILES ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# ---- manual pages from packaging/man/*.scd ------------------------------------
find_program(SCDOC scdoc)
if(NOT SCDOC)
  message(FATAL_ERROR "scdoc not found: it turns packaging/man/*.scd into manual pages (apt-get install scdoc)")
endif()
set(MAN_FILES)
foreach(page dpmr-cps dpmr-cli dpmr-sim)
  set(man ${PKG_OUT}/man/${page}.1.gz)
  add_custom_command(OUTPUT ${man}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PKG_OUT}/man
    COMMAND sh -c "${SCDOC} < '${PKG_DIR}/man/${page}.1.scd' | gzip -9n > '${man}'"
    DEPENDS ${PKG_DIR}/man/${page}.1.scd VERBATIM)
  list(APPEND MAN_FILES ${man})
endforeach()
install(FILES ${MAN_FILES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# ---- documents of the package -------------------------------------------------
configure_file(${PKG_DIR}/changelog.in ${PKG_OUT}/changelog @ONLY)
configure_file(${PKG_DIR}/copyright ${PKG_OUT}/copyright @ONLY)
add_custom_command(OUTPUT ${PKG_OUT}/changelog.gz
  COMMAND gzip -9n -c ${PKG_OUT}/changelog > ${PKG_OUT}/changelog.gz
  DEPENDS ${PKG_OUT}/changelog VERBATIM)
add_custom_target(packaging_files ALL DEPENDS ${ICON_FILES} ${MAN_FILES} ${PKG_OUT}/changelog.gz)
install(FILES ${PKG_OUT}/copyright ${PKG_OUT}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

install(FILES ${PKG_DIR}/dpmr-cps.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PKG_DIR}/dpmr-cps.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${PKG_DIR}/dpmr-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME dpmr-cli)
# udev reads rules from lib/udev/rules.d of the prefix it was built for
set(DPMR_UDEV_RULES_DIR lib/udev/rules.d CACHE STRING "Where the udev rule of the serial adapters goes")
install(FILES ${PKG_DIR}/60-dpmr-cps.rules DESTINATION ${DPMR_UDEV_RULES_DIR})
# the folder where the programs look for Default.dat, Factory.dat and Img/
install(DIRECTORY DESTINATION ${DPMR_DATA_DIR})

# ---- tests of the installed files --------------------------------------------
if(DPMR_BUILD_TESTS)
  file(GLOB PACKAGING_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/packaging/*_test.sh)
  foreach(script ${PACKAGING_TESTS})
    get_filename_component(name ${script} NAME_WE)
    add_test(NAME packaging.${name} COMMAND bash ${script})
    set_tests_properties(packaging.${name} PROPERTIES ENVIRONMENT
      "SOURCE_DIR=${CMAKE_SOURCE_DIR};BUILD_DIR=${CMAKE_BINARY_DIR};QT_QPA_PLATFORM=offscreen")
  endforeach()
endif()

# ---- the Debian package ------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dpmr-cps)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${DPMR_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${DPMR_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${DPMR_HOMEPAGE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for a dPMR / FM handheld radio")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"dpmr-cps reads the 16 KB configuration memory of a handheld analog FM / dPMR
two-way radio over a serial cable, edits its channels and settings, keeps
images in .dat files and writes them back. dpmr-cli does the same from a
shell, and dpmr-sim simulates the radio on a pseudo-terminal.")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as plug-ins, which dpkg-shlibdeps cannot see: the SVG image format
# (the program and toolbar icons) and the X11 platform. The factory page's
# captions and the link error message are Chinese: a font that has them, the
# small one first (the one the build uses), so that apt picks it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-qpa-plugins")
# Qt's own catalogues: the standard buttons of the chosen language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
