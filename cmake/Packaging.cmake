# The Debian package (`cpack -G DEB`, see scripts/package.sh). The program folder goes to
# /usr/lib/zentdeck as the build lays it out; the launchers, the menu entry with its icons and
# metadata, the manual pages and the package's documents go where Debian keeps them.
set(ZENT_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(ZENT_PACKAGE_BUILD_DIR ${CMAKE_BINARY_DIR}/packaging)
set(ZENT_INSTALL_PROGRAM_DIR lib/zentdeck)
file(MAKE_DIRECTORY ${ZENT_PACKAGE_BUILD_DIR})

# The icons are drawn by the program's own logo code; manual pages and the changelog are
# compressed as Debian wants them (-n: no name or time inside, so the bytes are the same each time).
set(icons ${ZENT_PACKAGE_BUILD_DIR}/icons)
add_custom_command(
  OUTPUT ${icons}/256x256/apps/${ZENT_DESKTOP_ID}.png ${icons}/scalable/apps/${ZENT_DESKTOP_ID}.svg
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:zenticon> ${ZENT_DESKTOP_ID} ${icons}
  DEPENDS zenticon
  COMMENT "Drawing the program's icons"
  VERBATIM)
set(packageFiles ${icons}/256x256/apps/${ZENT_DESKTOP_ID}.png)
foreach(page zentdeck.1 zentcat.1 changelog)
  add_custom_command(
    OUTPUT ${ZENT_PACKAGE_BUILD_DIR}/${page}.gz
    COMMAND gzip -9nc ${ZENT_PACKAGING_DIR}/${page} > ${ZENT_PACKAGE_BUILD_DIR}/${page}.gz
    DEPENDS ${ZENT_PACKAGING_DIR}/${page})
  list(APPEND packageFiles ${ZENT_PACKAGE_BUILD_DIR}/${page}.gz)
endforeach()
add_custom_target(zentdeck_package_files ALL DEPENDS ${packageFiles})

# What the package holds, built by one target (the package script builds it, then packs).
add_custom_target(zentdeck_package_contents)
add_dependencies(zentdeck_package_contents zentdeck_program zentdeck_package_files)
# Packing builds only that, not the tests and benchmarks.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# Installed programs resolve their libraries at start and keep the tables read-only, as Debian's
# hardening asks.
target_link_options(zentdeck PRIVATE LINKER:-z,relro,-z,now)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(TARGETS zentdeck RUNTIME DESTINATION ${ZENT_INSTALL_PROGRAM_DIR})
install(FILES ${ZENT_PROGRAM_DIR}/zentdeck.znt DESTINATION ${ZENT_INSTALL_PROGRAM_DIR})
install(DIRECTORY ${ZENT_PROGRAM_DIR}/pictures DESTINATION ${ZENT_INSTALL_PROGRAM_DIR})
install(PROGRAMS ${ZENT_PACKAGING_DIR}/zentdeck DESTINATION bin)
if(TARGET zentcat)
  add_dependencies(zentdeck_package_contents zentcat)
  target_link_options(zentcat PRIVATE LINKER:-z,relro,-z,now)
  install(TARGETS zentcat RUNTIME DESTINATION ${ZENT_INSTALL_PROGRAM_DIR})
  # zentcat needs no folder of its own: a link puts it on the PATH.
  file(CREATE_LINK ../lib/zentdeck/zentcat ${ZENT_PACKAGE_BUILD_DIR}/zentcat SYMBOLIC)
  install(FILES ${ZENT_PACKAGE_BUILD_DIR}/zentcat DESTINATION bin)
  install(FILES ${ZENT_PACKAGE_BUILD_DIR}/zentcat.1.gz DESTINATION share/man/man1)
endif()
install(FILES ${ZENT_PACKAGING_DIR}/${ZENT_DESKTOP_ID}.desktop DESTINATION share/applications)
install(FILES ${ZENT_PACKAGING_DIR}/${ZENT_DESKTOP_ID}.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${icons}/ DESTINATION share/icons/hicolor)
install(FILES ${ZENT_PACKAGE_BUILD_DIR}/zentdeck.1.gz DESTINATION share/man/man1)
install(FILES ${ZENT_PACKAGING_DIR}/copyright ${ZENT_PACKAGE_BUILD_DIR}/changelog.gz
  DESTINATION share/doc/zentdeck)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zentdeck)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
  "ZentDeckBuilder maintainers <maintainers@users.noreply.c-seed-6c8541e7.example>")
# A game's companion rather than a game, so on the PATH of every user, not in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "deck builder for the Zentari trading card game
Browse the Zentari card catalogue, build a legal deck of sixty cards, take
the recommended evolution sets, find a card by its name, and print or save a
formatted deck list. Includes zentcat, which imports, exports and checks card
catalogues, including older ones in the Access format.")
# The libraries come from dpkg-shlibdeps; Qt's window-system plugins and the fonts that stand in
# for the program's Windows fonts are not linked, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, fonts-comic-neue")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
