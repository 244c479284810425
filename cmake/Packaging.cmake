# A Debian package of the installed programs: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaly)
set(CPACK_PACKAGE_VENDOR "Tessaly developers")
set(CPACK_PACKAGE_CONTACT "${TESSALY_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Moon calculator: position, phases, rise, set and culmination")
# The long description, under the summary; its lines stay below 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "Tessaly shows the Moon's coordinates, altitude, azimuth, distance, size,
illuminated fraction and age, the day's rise, set and culminations and the
nearest phases, following the clock or for a moment typed in, with English
and Russian captions. tessaly-cli gives the same results in a terminal.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TESSALY_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TESSALY_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# The libraries the programs link come from dpkg-shlibdeps; Qt loads its
# platform plugins at run time, which no tool can see in the binaries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Named time zones come from the system's database, which is data, not a
# library any binary links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "tzdata")
if(TESSALY_WITH_QT)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", qt6-qpa-plugins")
endif()
include(CPack)
