# Calcolotti as a Debian package (./package): the program stripped, its debug
# information apart, the documentation and manual pages, and CPack's DEB
# generator for two packages, calcolotti and calcolotti-dbgsym.

# The changelog is written by hand; its newest entry must be this version.
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/changelog CALCOLOTTI_TESTA_CHANGELOG LIMIT_COUNT 1)
string(REPLACE "." "\\." CALCOLOTTI_VERSIONE_RE "${PROJECT_VERSION}")
if(NOT CALCOLOTTI_TESTA_CHANGELOG MATCHES "^calcolotti \\(${CALCOLOTTI_VERSIONE_RE}\\) ")
  message(FATAL_ERROR "packaging/changelog begins with \"${CALCOLOTTI_TESTA_CHANGELOG}\": "
    "add an entry for version ${PROJECT_VERSION} on top")
endif()

# The program and its module are installed stripped (component "programma");
# their debug information goes apart under lib/debug/.build-id, where gdb looks
# for it (component "simboli"). The build folder keeps them unstripped.
foreach(parte programma simboli)
  foreach(file calcolotti calcolotti_estensioni)
    if(file STREQUAL calcolotti)
      set(destinazione ${CMAKE_INSTALL_BINDIR})
      set(eseguibile TRUE)
    else()
      set(destinazione ${CALCOLOTTI_CARTELLA_MODULI})
      set(eseguibile FALSE)
    endif()
    install(CODE "
      set(CALCOLOTTI_PARTE ${parte})
      set(CALCOLOTTI_ESEGUIBILE \"$<TARGET_FILE:${file}>\")
      set(CALCOLOTTI_BINDIR \"${destinazione}\")
      set(CALCOLOTTI_DA_ESEGUIRE ${eseguibile})
      set(CALCOLOTTI_OBJCOPY \"${CMAKE_OBJCOPY}\")
      set(CALCOLOTTI_READELF \"${CMAKE_READELF}\")
      include(\"${CMAKE_SOURCE_DIR}/cmake/InstallaSpogliato.cmake\")
      " COMPONENT ${parte})
  endforeach()
endforeach()

# Every Debian package carries its copyright and changelog: the debug
# package's documentation folder is the program's, as in Debian's own.
install(CODE "
  set(doc \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATAROOTDIR}/doc\")
  file(MAKE_DIRECTORY \${doc})
  file(CREATE_LINK calcolotti \${doc}/calcolotti-dbgsym SYMBOLIC)
  " COMPONENT simboli)

# Manual pages and changelog, compressed as Debian expects (no name, no time
# stamp in the gzip header).
set(CALCOLOTTI_PACCHETTO ${CMAKE_BINARY_DIR}/packaging)
configure_file(${CMAKE_SOURCE_DIR}/packaging/calcolotti.6 ${CALCOLOTTI_PACCHETTO}/man/calcolotti.6 @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/calcolotti.it.6 ${CALCOLOTTI_PACCHETTO}/man/it/calcolotti.6 @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog ${CALCOLOTTI_PACCHETTO}/changelog COPYONLY)
set(CALCOLOTTI_COMPRESSI
  ${CALCOLOTTI_PACCHETTO}/man/calcolotti.6
  ${CALCOLOTTI_PACCHETTO}/man/it/calcolotti.6
  ${CALCOLOTTI_PACCHETTO}/changelog)
list(TRANSFORM CALCOLOTTI_COMPRESSI APPEND .gz OUTPUT_VARIABLE CALCOLOTTI_GZ)
add_custom_command(OUTPUT ${CALCOLOTTI_GZ}
  COMMAND gzip -9nkf ${CALCOLOTTI_COMPRESSI}
  DEPENDS ${CALCOLOTTI_COMPRESSI}
  COMMENT "Compressing the manual pages and the changelog"
  VERBATIM)
add_custom_target(calcolotti_documenti ALL DEPENDS ${CALCOLOTTI_GZ})

install(FILES ${CALCOLOTTI_PACCHETTO}/man/calcolotti.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CALCOLOTTI_PACCHETTO}/man/it/calcolotti.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/it/man6)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${CALCOLOTTI_PACCHETTO}/changelog.gz
  DESTINATION ${CALCOLOTTI_DOC_INSTALLATA})
# The guide in the system's documentation index. doc-base reads only
# /usr/share/doc-base, so the path in it is the one of a /usr install.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/calcolotti.doc-base
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc-base RENAME calcolotti)

# The package.
set(CALCOLOTTI_MANUTENTORE "Calcolotti <calcolotti@example.org>" CACHE STRING
  "Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME calcolotti)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${CALCOLOTTI_MANUTENTORE})
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL programma simboli)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

set(CPACK_DEBIAN_PROGRAMMA_PACKAGE_NAME calcolotti)
set(CPACK_DEBIAN_PROGRAMMA_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PROGRAMMA_PACKAGE_SHLIBDEPS ON)
# The libraries the program and its module link (libqt6charts6 and
# libespeak-ng1 among them, and libqt6svg6, which also brings the SVG image
# plugin) come from dpkg-shlibdeps. Listed here is what they load at run time
# and no link shows: the Italian voice's data, Qt's window-system plugins (only
# recommended by Qt), the SQLite driver, Qt's Italian translations and the
# fonts the screens ask for or fall back to.
set(CPACK_DEBIAN_PROGRAMMA_PACKAGE_DEPENDS
  "espeak-ng-data, qt6-qpa-plugins, libqt6sql6-sqlite, qt6-translations-l10n, fonts-comic-neue, fonts-dejavu-core, fonts-liberation")
# The menu's "documentazione" hands the PDF guide to the desktop (xdg-open),
# which needs a PDF viewer; the program runs without, so they are recommended.
set(CPACK_DEBIAN_PROGRAMMA_PACKAGE_RECOMMENDS "xdg-utils, evince | okular | atril | mupdf")
set(CPACK_DEBIAN_PROGRAMMA_DESCRIPTION [=[
arithmetic stories for young children, also played with switches
Calcolotti is an arithmetic trainer in Italian for children of about five to
eight years. Every exercise is a short animated story about a group of
objects: the child counts, answers three questions with big number buttons,
then writes the operation the story told, such as 7 - 3 = 4. An Italian voice
(espeak-ng) reads every text aloud. There are seven levels of addition and
subtraction, with exercises that never run out.

It is made for children with motor impairments as much as for mouse users: it
can be driven with the mouse, with the arrow keys, with two switches (manual
scanning) or with a single switch (automatic scanning), with a highlight
colour and a scanning speed set by the adult.

The program, its voice and its guide for parents and teachers are in Italian.
]=])

set(CPACK_DEBIAN_SIMBOLI_PACKAGE_NAME calcolotti-dbgsym)
set(CPACK_DEBIAN_SIMBOLI_PACKAGE_SECTION debug)
set(CPACK_DEBIAN_SIMBOLI_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_SIMBOLI_PACKAGE_DEPENDS "calcolotti (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_SIMBOLI_DESCRIPTION [=[
debug symbols for calcolotti
The debug information of the calcolotti program, for debuggers and crash
reports: gdb finds it by the program's build id.
]=])

include(CPack)
