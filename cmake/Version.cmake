# SPDX-License-Identifier: GPL-3.0-or-later
# The version and the installed layout as a generated header (app_version.h),
# so that the version is written in one place: project() in CMakeLists.txt.
include(GNUInstallDirs)
set(DPMR_DATA_DIR ${CMAKE_INSTALL_DATADIR}/dpmr-cps)
file(RELATIVE_PATH DPMR_DATA_DIR_FROM_BIN
     ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${DPMR_DATA_DIR})
configure_file(${CMAKE_SOURCE_DIR}/cmake/version.h.in ${CMAKE_BINARY_DIR}/generated/app_version.h @ONLY)
target_include_directories(cpscore PUBLIC ${CMAKE_BINARY_DIR}/generated)
