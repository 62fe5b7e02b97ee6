# Writes the AppStream metainfo from rx907.metainfo.xml.in.
#   RX_METAINFO_OUT  the file to write
#   RX_VERSION       the game's version
#   RX_HOMEPAGE      the project's web address, or empty: with one, the
#                    metainfo names it and lists the main-menu screenshot
#                    published below it (the build writes the picture to
#                    BUILD/packaging/screenshots/main-menu.png)
# Included by install.cmake, or run on its own with cmake -P.
# The reverse of the maintainers' mail domain, its hyphens made underscores
# (AppStream IDs keep to letters, digits, dots and underscores). The
# installed file is named for it: RX_APPSTREAM_ID.metainfo.xml.
set(RX_APPSTREAM_ID "example.c_seed_29004deb.noreply.users.rx907")
set(RX_METAINFO_WEB "")
if(RX_HOMEPAGE)
  string(APPEND RX_METAINFO_WEB
    "  <url type=\"homepage\">${RX_HOMEPAGE}</url>\n"
    "  <screenshots>\n"
    "    <screenshot type=\"default\">\n"
    "      <caption>The main menu</caption>\n"
    "      <image>${RX_HOMEPAGE}/screenshots/main-menu.png</image>\n"
    "    </screenshot>\n"
    "  </screenshots>\n")
endif()
set(PROJECT_VERSION ${RX_VERSION})
configure_file(${CMAKE_CURRENT_LIST_DIR}/rx907.metainfo.xml.in ${RX_METAINFO_OUT} @ONLY)
