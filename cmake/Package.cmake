# `cmake --build build --target package` writes the Debian package
# build/frostel_VERSION_ARCH.deb from the component "debian" (cmake/Install.cmake).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME frostel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Kestrelsoft)
set(CPACK_PACKAGE_CONTACT "Kestrelsoft <support@kestrelsoft.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word-guessing game for the whole family")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_SOURCE_DIR}/resources/debian/description.txt)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL debian)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_PACKAGE_NAME frostel)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries it links come from dpkg-shlibdeps. What it loads at run time
# is named: Qt's platform plugins (X11) and its translations (the buttons of
# message boxes), and the General MIDI instruments the music plays on.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, timgm6mb-soundfont")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
