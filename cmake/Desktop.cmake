# The desktop menu entry and the program icon, so that an installed Calcolotti
# appears among the desktop's educational programs.
install(FILES ${CMAKE_SOURCE_DIR}/cmake/calcolotti.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/src/resources/pictures/orsetto.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME calcolotti.svg)
