# Two ways to install the game.
#
# `cmake --install build` is for one player: it lays out a program folder that
# this player owns, PREFIX/lib/frostel, started by PREFIX/bin/frostel. The game
# keeps its settings and the vocabularies edited in it beside itself there. The
# prefix is ~/.local unless another is given.
#
# The Debian package (the component "debian", which only CPack installs) has
# Debian's layout for a game: the program in /usr/lib/games/frostel, started by
# /usr/games/frostel, and what it shares between architectures (vocabularies,
# music, help) in /usr/share/games/frostel, linked into the program folder so
# that the program finds everything beside itself. No player can write there,
# so the game keeps each player's files in ~/.local/share/frostel.

if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT AND DEFINED ENV{HOME})
  set(CMAKE_INSTALL_PREFIX "$ENV{HOME}/.local" CACHE PATH "Install prefix" FORCE)
endif()

set(FROSTEL_GENERATED ${CMAKE_BINARY_DIR}/generated)
set(FROSTEL_DESKTOP ${CMAKE_SOURCE_DIR}/resources/desktop)
set(FROSTEL_METAINFO_NAME example.kestrelsoft.frostel.metainfo.xml)

# The menu entry starts the game from the PATH for one player, and by its full
# path from the package: /usr/games is not in every session's PATH.
foreach(layout user debian)
  if(layout STREQUAL "user")
    set(FROSTEL_DESKTOP_EXEC frostel)
  else()
    set(FROSTEL_DESKTOP_EXEC /usr/games/frostel)
  endif()
  configure_file(${FROSTEL_DESKTOP}/frostel.desktop.in ${FROSTEL_GENERATED}/${layout}/frostel.desktop
                 @ONLY)
endforeach()

# Compressed without names and times, so that the package is the same on every build.
foreach(document "resources/desktop/frostel.6" "resources/debian/changelog")
  get_filename_component(name ${document} NAME)
  add_custom_command(
    OUTPUT ${FROSTEL_GENERATED}/${name}.gz
    COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/${document} > ${FROSTEL_GENERATED}/${name}.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/${document}
    COMMENT "Compressing ${name}")
  list(APPEND FROSTEL_COMPRESSED ${FROSTEL_GENERATED}/${name}.gz)
endforeach()
add_custom_target(desktop_files ALL DEPENDS ${FROSTEL_COMPRESSED})

file(GLOB FROSTEL_LANGUAGE_FOLDERS LIST_DIRECTORIES true CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/resources/vocabulary/*)
file(GLOB FROSTEL_HELP_PICTURES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/pictures/flag*.png
     ${CMAKE_SOURCE_DIR}/resources/pictures/tool_*.png)
file(GLOB FROSTEL_ICONS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/icons/frostel-*.png)

# install_desktop_integration(LAYOUT [OPTIONS...]): the menu entry, the metainfo, the
# icons and the manual page, below the prefix of either layout.
function(install_desktop_integration layout)
  install(FILES ${FROSTEL_GENERATED}/${layout}/frostel.desktop DESTINATION share/applications
          ${ARGN})
  install(FILES ${FROSTEL_DESKTOP}/frostel.metainfo.xml DESTINATION share/metainfo
          RENAME ${FROSTEL_METAINFO_NAME} ${ARGN})
  foreach(icon ${FROSTEL_ICONS})
    string(REGEX REPLACE ".*frostel-([0-9]+)\\.png$" "\\1" edge ${icon})
    install(FILES ${icon} DESTINATION share/icons/hicolor/${edge}x${edge}/apps RENAME frostel.png
            ${ARGN})
  endforeach()
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/frostel.svg
          DESTINATION share/icons/hicolor/scalable/apps ${ARGN})
  install(FILES ${FROSTEL_GENERATED}/frostel.6.gz DESTINATION share/man/man6 ${ARGN})
endfunction()

# For one player. The executable goes in without its debug information, as the
# package's does: `cmake --install build` strips it unless the install is told
# otherwise (cmake -DCMAKE_INSTALL_DO_STRIP=OFF -P build/cmake_install.cmake).
set(FROSTEL_PROGRAM_FOLDER lib/frostel)
install(CODE "
  if(NOT DEFINED CMAKE_INSTALL_DO_STRIP)
    set(CMAKE_INSTALL_DO_STRIP ON)
  endif()
")
install(TARGETS frostel RUNTIME DESTINATION ${FROSTEL_PROGRAM_FOLDER})
# Vocabulary files already installed are the player's and stay as they are.
install(CODE "
  set(SOURCE \"${CMAKE_SOURCE_DIR}\")
  set(TARGET \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${FROSTEL_PROGRAM_FOLDER}\")
  message(STATUS \"Installing: vocabularies, music and help to \${TARGET}\")
  include(\"${CMAKE_SOURCE_DIR}/cmake/CopyProgramFiles.cmake\")
")
# bin/frostel starts the program in its folder; the program finds that folder
# through the link.
install(CODE "
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(CREATE_LINK ../${FROSTEL_PROGRAM_FOLDER}/frostel
       \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/frostel\" SYMBOLIC)
")
install_desktop_integration(user)

# For the Debian package.
set(FROSTEL_DEBIAN_PROGRAM lib/games/frostel)
set(FROSTEL_DEBIAN_DATA share/games/frostel)
set(FROSTEL_DEBIAN_ONLY COMPONENT debian EXCLUDE_FROM_ALL)
install(TARGETS frostel RUNTIME DESTINATION ${FROSTEL_DEBIAN_PROGRAM} ${FROSTEL_DEBIAN_ONLY})
set(FROSTEL_DEBIAN_SHARED frostel.mid frostel.chm)
foreach(folder ${FROSTEL_LANGUAGE_FOLDERS})
  get_filename_component(name ${folder} NAME)
  install(DIRECTORY ${folder} DESTINATION ${FROSTEL_DEBIAN_DATA} ${FROSTEL_DEBIAN_ONLY}
          FILES_MATCHING PATTERN "*.dat")
  list(APPEND FROSTEL_DEBIAN_SHARED ${name})
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/resources/music/frostel.mid DESTINATION ${FROSTEL_DEBIAN_DATA}
        ${FROSTEL_DEBIAN_ONLY})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/help/ DESTINATION ${FROSTEL_DEBIAN_DATA}/frostel.chm
        ${FROSTEL_DEBIAN_ONLY})
install(FILES ${FROSTEL_HELP_PICTURES} DESTINATION ${FROSTEL_DEBIAN_DATA}/frostel.chm/img
        ${FROSTEL_DEBIAN_ONLY})
install(CODE "
  set(usr \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  foreach(entry ${FROSTEL_DEBIAN_SHARED})
    file(CREATE_LINK ../../../${FROSTEL_DEBIAN_DATA}/\${entry}
         \"\${usr}/${FROSTEL_DEBIAN_PROGRAM}/\${entry}\" SYMBOLIC)
  endforeach()
  # What strip leaves behind that no one needs at run time.
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND ${CMAKE_STRIP} --remove-section=.comment --remove-section=.note
                    \"\${usr}/${FROSTEL_DEBIAN_PROGRAM}/frostel\")
  endif()
  file(MAKE_DIRECTORY \"\${usr}/games\")
  file(CREATE_LINK ../${FROSTEL_DEBIAN_PROGRAM}/frostel \"\${usr}/games/frostel\" SYMBOLIC)
" ${FROSTEL_DEBIAN_ONLY})
install_desktop_integration(debian ${FROSTEL_DEBIAN_ONLY})
install(FILES ${CMAKE_SOURCE_DIR}/resources/debian/copyright ${FROSTEL_GENERATED}/changelog.gz
        DESTINATION share/doc/frostel ${FROSTEL_DEBIAN_ONLY})
