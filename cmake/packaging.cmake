# `cpack` in the build tree makes the Debian package of what `cmake --install`
# puts in place, installed under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${SORVANE_EXECUTABLE})
set(CPACK_PACKAGE_VERSION ${SORVANE_RELEASE})
set(CPACK_PACKAGE_VENDOR ${SORVANE_NAME})
set(CPACK_PACKAGE_CONTACT "${SORVANE_NAME} <${SORVANE_MAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${SORVANE_SUMMARY})
# The summary above is the package's one-line synopsis; this follows it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A small Japanese-language calculator for recreational scuba divers: the
breathing rate in litres per minute at the surface from the tank pressures,
the tank volume, the average depth and the time at depth; and the equivalent
air depth and oxygen partial pressure of an enriched-air (nitrox) mix.")
if(SORVANE_COMMIT)
  string(APPEND CPACK_DEBIAN_PACKAGE_DESCRIPTION "\nBuilt from commit ${SORVANE_COMMIT}.")
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# A package built on Debian 12 depends on Qt 6.4's libraries and one built on
# Debian 13 on Qt 6.8's, so the file name says which release it is for:
# sorvane_1.02_debian12_amd64.deb. The package's version stays the release.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
if(EXISTS /etc/os-release)
  file(STRINGS /etc/os-release sorvane_os_id REGEX "^ID=")
  file(STRINGS /etc/os-release sorvane_os_version REGEX "^VERSION_ID=")
  string(REGEX REPLACE "[^0-9]" "" sorvane_os_version "${sorvane_os_version}")
  execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE sorvane_deb_arch
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(sorvane_os_id STREQUAL "ID=debian" AND sorvane_os_version AND sorvane_deb_arch)
    set(CPACK_DEBIAN_FILE_NAME
        "${SORVANE_EXECUTABLE}_${SORVANE_RELEASE}_debian${sorvane_os_version}_${sorvane_deb_arch}.deb")
  endif()
endif()
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SORVANE_HOME_PAGE})

# What the program loads at run time besides the libraries it links: Qt's xcb
# platform plugin to open a window at all, Qt's Japanese translations for the
# message-box buttons, and the IPA faces the layout's fonts are mapped to.
set(sorvane_runtime_packages qt6-qpa-plugins qt6-translations-l10n fonts-ipafont-gothic fonts-ipafont-mincho)
find_program(SORVANE_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(SORVANE_DPKG_SHLIBDEPS)
  # The linked libraries, with the versions the build saw, come from dpkg.
  # The program uses Qt's public API alone, so no exact Qt release is named.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  list(PREPEND sorvane_runtime_packages "libqt6widgets6 (>= 6.4)" "libqt6gui6 (>= 6.4)" "libqt6core6 (>= 6.4)")
endif()
list(JOIN sorvane_runtime_packages ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

# Packaging builds only what it installs: the program, not the tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
