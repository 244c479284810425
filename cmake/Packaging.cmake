# A Debian package of the installed programs: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaly)
set(CPACK_PACKAGE_VENDOR "Tessaly developers")
set(CPACK_PACKAGE_CONTACT "Tessaly developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Moon calculator: position, phases, rise, set and culmination")
set(CPACK_PACKAGE_DESCRIPTION
    "Tessaly shows the Moon's coordinates, altitude, azimuth, distance, size, illuminated fraction, age, the day's rise, set and culminations and the nearest phases, following the clock or for a moment typed in. English and Russian captions.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tessaly developers")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# The command line's named time zones come from the system's database.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libstdc++6, libc6, libdate-tz3, tzdata")
if(TESSALY_WITH_QT)
  # The window needs the Qt 6 runtime it was built against and a platform
  # plugin to draw with; the SVG module draws the Moon.
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
         ", libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6svg6 (>= 6.4), qt6-qpa-plugins")
endif()
include(CPack)
