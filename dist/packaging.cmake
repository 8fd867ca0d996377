# The Debian package, made by cpack in a Release build folder (see
# scripts/package). Debian's triggers bring the desktop, icon, MIME and
# manual caches up to date, so the package has no maintainer scripts.

# The Debian revision is that of the newest entry in the package's changelog,
# which has to be an entry for this version.
set(debian_changelog ${PROJECT_SOURCE_DIR}/dist/changelog.Debian)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${debian_changelog})
file(STRINGS ${debian_changelog} newest_entry LIMIT_COUNT 1)
string(REPLACE "." "\\." version_pattern "${SAROVIN_VERSION}")
if(NOT newest_entry MATCHES "^sarovin \\(${version_pattern}-([0-9]+)\\) ")
  message(FATAL_ERROR "The newest entry of ${debian_changelog} is not for version ${SAROVIN_VERSION}")
endif()
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_1})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sarovin)
set(CPACK_PACKAGE_VERSION ${SAROVIN_VERSION})
set(CPACK_PACKAGE_CONTACT "Sarovin developers <sarovin@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Vedic (sidereal) astrology calculator")
set(CPACK_PACKAGE_DESCRIPTION [=[
Sarovin computes, from one person's birth data, the sidereal positions of
the Sun, the Moon, the five visible planets and the two lunar nodes, with
its own small ephemeris or with the Swiss Ephemeris (Lahiri ayanamsa, with
the Lagna), and shows three kinds of aspect on three tabs: Graha
Drishti (the signs each body aspects and the bodies standing there), Rashi
Drishti (aspects between signs of one modality) and Sputa Drishti (a grid of
aspect strengths from 0 to 60). The birth place is found in an offline
atlas, with the time zone its clocks kept on that date. Readings are saved
to and opened from .dri files.

The package also holds sarovin-report, which prints the same results for
saved readings, or for a birth given as options, as text or JSON.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://example.org/sarovin)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window cannot open without a Qt platform plugin, which the Qt
# libraries only recommend; the Swiss Ephemeris needs its data files and the
# zone of a birth place the tz database.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, swe-basic-data, tzdata")

include(CPack)
