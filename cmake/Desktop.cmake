# What the desktop and the software centres see of an installed Calcolotti: the
# menu entry, the icon (scalable, and drawn at the sizes the theme expects) and
# the AppStream metadata.
set(CALCOLOTTI_DESKTOP ${CMAKE_SOURCE_DIR}/packaging/calcolotti.desktop)
set(CALCOLOTTI_ICONA ${CMAKE_SOURCE_DIR}/src/resources/pictures/orsetto.svg)
set(CALCOLOTTI_LATI_ICONA 48 64 128 256)

install(FILES ${CALCOLOTTI_DESKTOP} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${CALCOLOTTI_ICONA}
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps RENAME calcolotti.svg)

list(JOIN CALCOLOTTI_LATI_ICONA ", " CALCOLOTTI_LATI_ICONA_TESTO)
add_executable(icona_png ${CMAKE_SOURCE_DIR}/tools/icona/icona_png.cpp)
target_link_libraries(icona_png PRIVATE Qt6::Gui Qt6::Svg)
set(CALCOLOTTI_CARTELLA_ICONE ${CMAKE_BINARY_DIR}/icone)
set(CALCOLOTTI_PNG_ICONA)
foreach(lato ${CALCOLOTTI_LATI_ICONA})
  list(APPEND CALCOLOTTI_PNG_ICONA ${CALCOLOTTI_CARTELLA_ICONE}/calcolotti-${lato}.png)
  install(FILES ${CALCOLOTTI_CARTELLA_ICONE}/calcolotti-${lato}.png
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${lato}x${lato}/apps RENAME calcolotti.png)
endforeach()
add_custom_command(OUTPUT ${CALCOLOTTI_PNG_ICONA}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CALCOLOTTI_CARTELLA_ICONE}
  COMMAND icona_png ${CALCOLOTTI_ICONA} ${CALCOLOTTI_CARTELLA_ICONE} ${CALCOLOTTI_LATI_ICONA}
  DEPENDS icona_png ${CALCOLOTTI_ICONA}
  COMMENT "Drawing the program icon at ${CALCOLOTTI_LATI_ICONA_TESTO} pixels"
  VERBATIM)
add_custom_target(calcolotti_icone ALL DEPENDS ${CALCOLOTTI_PNG_ICONA})

# The metainfo's release date is the changelog's: read it from its first
# sign-off line (" -- Name <address>  Sun, 06 Dec 2026 12:00:00 +0000").
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/changelog CALCOLOTTI_FIRME REGEX "^ -- .*  ")
list(GET CALCOLOTTI_FIRME 0 CALCOLOTTI_FIRMA)
if(NOT CALCOLOTTI_FIRMA MATCHES ", ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "packaging/changelog: no date in \"${CALCOLOTTI_FIRMA}\"")
endif()
set(CALCOLOTTI_MESI Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND CALCOLOTTI_MESI ${CMAKE_MATCH_2} mese)
math(EXPR mese "${mese} + 1")
string(LENGTH "${CMAKE_MATCH_1}" cifre)
set(giorno ${CMAKE_MATCH_1})
if(cifre EQUAL 1)
  set(giorno 0${giorno})
endif()
if(mese LESS 10)
  set(mese 0${mese})
endif()
set(CALCOLOTTI_DATA_RILASCIO ${CMAKE_MATCH_3}-${mese}-${giorno})

# Software centres take screenshots from the web only. Where the pictures of
# docs/screenshots are published, give their address (without the trailing
# slash) and the metadata lists them; without one it lists none.
set(CALCOLOTTI_URL_SCREENSHOTS "" CACHE STRING
  "Web address where docs/screenshots is published, for the AppStream metadata")
# The guide as software centres link it ("help"), also for someone who has not
# installed the program: the web address where calcolottisv.pdf is published.
# Until the project publishes it, the default is a placeholder under
# example.org, like the maintainer's address; ./package takes the real one with
# -DCALCOLOTTI_URL_GUIDA=https://…/calcolottisv.pdf.
set(CALCOLOTTI_URL_GUIDA "https://example.org/calcolotti/calcolottisv.pdf" CACHE STRING
  "Web address of the published guide calcolottisv.pdf, for the AppStream metadata")
function(calcolotti_metainfo uscita base)
  set(CALCOLOTTI_SCREENSHOTS "")
  if(base)
    string(CONCAT CALCOLOTTI_SCREENSHOTS
      "  <screenshots>\n"
      "    <screenshot type=\"default\">\n"
      "      <caption>The menu: seven levels of addition and subtraction</caption>\n"
      "      <caption xml:lang=\"it\">Il menù: sette livelli di addizione e sottrazione</caption>\n"
      "      <image>${base}/menu.png</image>\n"
      "    </screenshot>\n"
      "    <screenshot>\n"
      "      <caption>A subtraction story: the child counts and answers</caption>\n"
      "      <caption xml:lang=\"it\">Una storia di sottrazione: il bambino conta e risponde</caption>\n"
      "      <image>${base}/esercizio.png</image>\n"
      "    </screenshot>\n"
      "    <screenshot>\n"
      "      <caption>Writing the operation the story told</caption>\n"
      "      <caption xml:lang=\"it\">L'operazione scritta dopo la storia</caption>\n"
      "      <image>${base}/operazione.png</image>\n"
      "    </screenshot>\n"
      "    <screenshot>\n"
      "      <caption>Choosing the mouse, the keyboard or one or two switches</caption>\n"
      "      <caption xml:lang=\"it\">La scelta fra mouse, tastiera e uno o due sensori</caption>\n"
      "      <image>${base}/configura.png</image>\n"
      "    </screenshot>\n"
      "  </screenshots>\n")
  endif()
  configure_file(${CMAKE_SOURCE_DIR}/packaging/calcolotti.metainfo.xml.in ${uscita} @ONLY)
endfunction()
set(CALCOLOTTI_METAINFO ${CMAKE_BINARY_DIR}/${CALCOLOTTI_ID_APPSTREAM}.metainfo.xml)
calcolotti_metainfo(${CALCOLOTTI_METAINFO} "${CALCOLOTTI_URL_SCREENSHOTS}")
# The same with screenshots at a placeholder address, so that the tests also
# validate the screenshots' part; never installed.
calcolotti_metainfo(${CMAKE_BINARY_DIR}/packaging/metainfo-con-screenshots.xml
  "https://example.org/calcolotti/screenshots")
install(FILES ${CALCOLOTTI_METAINFO} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
