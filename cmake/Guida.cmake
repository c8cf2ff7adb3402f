# The user guide calcolottisv.pdf, written from docs/guida/guida.md (with the
# screenshots in docs/screenshots when they are there) into the program folder.
# The bookmarks' code is the progress report's too.
add_executable(makeguide ${CMAKE_SOURCE_DIR}/guide/makeguide.cpp ${CMAKE_SOURCE_DIR}/src/record/SegnalibriPdf.cpp)
target_include_directories(makeguide PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(makeguide PRIVATE Qt6::Gui)
set_target_properties(makeguide PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/guide)

set(CALCOLOTTI_GUIDA_SORGENTE ${CMAKE_SOURCE_DIR}/docs/guida/guida.md)
set(CALCOLOTTI_GUIDA_IMMAGINI ${CMAKE_SOURCE_DIR}/docs/screenshots)
set(CALCOLOTTI_GUIDA_DISEGNI ${CMAKE_SOURCE_DIR}/src/resources/pictures)
set(CALCOLOTTI_GUIDA_PDF ${CALCOLOTTI_PROGRAM_DIR}/calcolottisv.pdf)
file(GLOB CALCOLOTTI_GUIDA_SCREENSHOTS CONFIGURE_DEPENDS ${CALCOLOTTI_GUIDA_IMMAGINI}/*.png)

add_custom_command(OUTPUT ${CALCOLOTTI_GUIDA_PDF}
  COMMAND makeguide ${CALCOLOTTI_GUIDA_SORGENTE} ${CALCOLOTTI_GUIDA_IMMAGINI} ${CALCOLOTTI_GUIDA_PDF}
          ${CALCOLOTTI_GUIDA_DISEGNI}
  DEPENDS makeguide ${CALCOLOTTI_GUIDA_SORGENTE} ${CALCOLOTTI_GUIDA_SCREENSHOTS}
          ${CALCOLOTTI_GUIDA_DISEGNI}/orsetto.svg
  COMMENT "Writing the user guide calcolottisv.pdf"
  VERBATIM)
add_custom_target(calcolotti_guida ALL DEPENDS ${CALCOLOTTI_GUIDA_PDF})

install(FILES ${CALCOLOTTI_GUIDA_PDF} DESTINATION ${CALCOLOTTI_DOC_INSTALLATA})

# The guide's test runs the generator itself.
if(TARGET tst_guida)
  add_dependencies(tst_guida makeguide)
  target_compile_definitions(tst_guida PRIVATE
    CALCOLOTTI_MAKEGUIDE="$<TARGET_FILE:makeguide>"
    CALCOLOTTI_GUIDA_SORGENTE="${CALCOLOTTI_GUIDA_SORGENTE}"
    CALCOLOTTI_GUIDA_DISEGNI="${CALCOLOTTI_GUIDA_DISEGNI}")
endif()
