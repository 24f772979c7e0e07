# What `cmake --install` puts beside the program (desktop entry, AppStream metainfo, icons,
# artwork licences) and the Debian package `cpack -G DEB` builds from it. The application's id
# and release date come from the top-level CMakeLists.txt.
set(HRL_HOMEPAGE_URL "https://horalia.quillmark.example/" CACHE STRING "Home page named by the metainfo and the package")
set(HRL_SCREENSHOT_URL "${HRL_HOMEPAGE_URL}screenshot.png" CACHE STRING "Where docs/screenshot.png is published")

set(desktop_dir "${PROJECT_SOURCE_DIR}/resources/desktop")
configure_file("${desktop_dir}/${HRL_APP_ID}.metainfo.xml.in" "${PROJECT_BINARY_DIR}/${HRL_APP_ID}.metainfo.xml" @ONLY)

install(FILES "${desktop_dir}/${HRL_APP_ID}.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${PROJECT_BINARY_DIR}/${HRL_APP_ID}.metainfo.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
# The icons take the application's id as their name, as desktops look them up by it.
set(icons_dir "${PROJECT_SOURCE_DIR}/resources/icons/hicolor")
foreach(size 48 64 128 256)
    install(FILES "${icons_dir}/${size}x${size}/apps/horalia.png"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps" RENAME "${HRL_APP_ID}.png")
endforeach()
install(FILES "${icons_dir}/scalable/apps/horalia.svg"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps" RENAME "${HRL_APP_ID}.svg")
# The flags' MIT notices, the menu icons' LGPL and the place names' CC BY attribution travel
# with every copy of the program.
install(DIRECTORY "${PROJECT_SOURCE_DIR}/resources/LICENSES/" DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/horalia/LICENSES")

set(CPACK_PACKAGE_NAME horalia)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "${HRL_ORGANIZATION}")
set(CPACK_PACKAGE_CONTACT "Quillmark <support@quillmark.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "world clock for the desktop")
set(CPACK_PACKAGE_DESCRIPTION
    "One compact, undecorated, always-on-top window with a clock for each chosen time zone: \
the zone's name and flag, the time, its UTC offset and the date, refreshed every second.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${HRL_HOMEPAGE_URL}")
# Libraries from the binary; the zone rules are read from the system at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS tzdata)
include(CPack)
