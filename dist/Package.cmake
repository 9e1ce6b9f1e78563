# The Debian package of the game: `make package` (or `cpack -G DEB` in the build folder)
# makes durak_<version>_<arch>.deb from what `cmake --install` installs, under /usr.
# The build's own prefix must be /usr too, for the places compiled into the game (the
# sound module's folder, the documents); `make package` configures it so.

# Debian's documents of the package: the machine-readable copyright file, and the release
# notes of NEWS.md as a Debian changelog (a package without a revision is a native one,
# whose changelog is changelog.gz).
install(FILES ${PROJECT_SOURCE_DIR}/dist/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
durak_read_release_notes(${PROJECT_SOURCE_DIR}/NEWS.md ${PROJECT_VERSION} DURAK_PACKAGE_NEWS)
set(DURAK_MAINTAINER "The Durak team <durak@example.org>")
set(changelog "durak (${PROJECT_VERSION}) unstable; urgency=medium\n\n")
# Each item wrapped at 78 columns, its following lines indented under its first word.
foreach(item IN LISTS DURAK_PACKAGE_NEWS_LINES)
  string(REPLACE " " ";" words "${item}")
  set(line "  *")
  foreach(word IN LISTS words)
    string(LENGTH "${line} ${word}" width)
    if(width GREATER 78)
      string(APPEND changelog "${line}\n")
      set(line "   ")
    endif()
    string(APPEND line " ${word}")
  endforeach()
  string(APPEND changelog "${line}\n")
endforeach()
# The release day at noon, in the form Debian's changelog asks for.
execute_process(COMMAND date -u -R -d "${DURAK_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE release_stamp OUTPUT_STRIP_TRAILING_WHITESPACE)
string(APPEND changelog "\n -- ${DURAK_MAINTAINER}  ${release_stamp}\n")
set(DURAK_CHANGELOG ${CMAKE_BINARY_DIR}/package/changelog)
file(WRITE ${DURAK_CHANGELOG}.new "${changelog}")
file(COPY_FILE ${DURAK_CHANGELOG}.new ${DURAK_CHANGELOG} ONLY_IF_DIFFERENT)
add_custom_command(
  OUTPUT ${DURAK_CHANGELOG}.gz
  COMMAND sh -c "gzip -9 -n -c \"$1\" > \"$1.gz\"" gzip ${DURAK_CHANGELOG}
  DEPENDS ${DURAK_CHANGELOG}
  COMMENT "Compressing the package's changelog"
  VERBATIM)
add_custom_target(durak_changelog ALL DEPENDS ${DURAK_CHANGELOG}.gz)
install(FILES ${DURAK_CHANGELOG}.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME durak)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "${DURAK_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Russian card game Durak against the computer")
# The long description as dpkg shows it: lines under 80 columns, an empty line between
# the paragraphs.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Durak (“the fool”) is the card game everyone in Russia knows. You play it\n"
  "one to one against the computer with a 36-card pack from six to ace: six\n"
  "cards each, a face-up trump, bout after bout until the stock is gone.\n"
  "Whoever is left holding cards is the fool.\n"
  "\n"
  "Both variants are offered, throw-in and transfer, with a usual and a strong\n"
  "computer opponent, a hint, a champions table, several card decks and table\n"
  "pictures, and Russian and English texts. The whole game can be played from\n"
  "the keyboard. The package also holds durak-sim, which plays the game's\n"
  "engine on the command line.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/durak/")
# The libraries the programs and the sound module link are found by dpkg-shlibdeps. Only
# what Qt loads by name at run time, which no link shows, is named here: the platform
# plugins that open the window.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The programs' debugging symbols stay in the build folder.
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE OFF)
include(CPack)
