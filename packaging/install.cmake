# Installation: the program, its game data, a launcher that prepares the
# player's game folder, a desktop entry and an icon.
#   bin/tamb                          launcher (the player's command)
#   libexec/tamb/tamb                 the program
#   libexec/tamb/tamb-launch.sh       folder preparation, shared with ./play
#   share/tamb/gamedata/{graphics,Sound,levels,levels/routes}
#   share/applications/tamb.desktop, share/icons/hicolor/64x64/apps/tamb.png
include(GNUInstallDirs)

set(TAMB_LIBEXEC ${CMAKE_INSTALL_LIBEXECDIR}/tamb)
set(TAMB_DATA ${CMAKE_INSTALL_DATADIR}/tamb/gamedata)
file(RELATIVE_PATH TAMB_BIN_TO_PREFIX "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_PREFIX}")
if(TAMB_BIN_TO_PREFIX STREQUAL "")
  set(TAMB_BIN_TO_PREFIX ".")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/tamb.in ${CMAKE_BINARY_DIR}/packaging/tamb @ONLY)

install(TARGETS tamb RUNTIME DESTINATION ${TAMB_LIBEXEC})
install(PROGRAMS ${CMAKE_SOURCE_DIR}/scripts/tamb-launch.sh DESTINATION ${TAMB_LIBEXEC})
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/tamb DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${TAMB_GAMEDATA_DIR}/ DESTINATION ${TAMB_DATA}
  PATTERN ".dir" EXCLUDE
  PATTERN "src" EXCLUDE)
install(FILES ${CMAKE_BINARY_DIR}/tamb-icon.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps
  RENAME tamb.png OPTIONAL)
# The desktop entry names the launcher by its full path under the prefix
# chosen at install time (cmake --install --prefix).
install(CODE "
  set(TAMB_EXEC \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tamb\")
  set(TAMB_ICON tamb)
  configure_file(\"${CMAKE_CURRENT_LIST_DIR}/tamb.desktop.in\" \"${CMAKE_BINARY_DIR}/packaging/tamb.desktop\" @ONLY)
")
install(FILES ${CMAKE_BINARY_DIR}/packaging/tamb.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
