# Run at install time (see cmake/Pacchetto.cmake) with
#   CALCOLOTTI_PARTE       programma: the file, stripped, into its folder
#                          simboli: its debug information alone, as
#                          lib/debug/.build-id/xx/rest-of-the-id.debug
#   CALCOLOTTI_ESEGUIBILE  the program or module as built, left untouched
#   CALCOLOTTI_BINDIR      the folder it goes to
#   CALCOLOTTI_DA_ESEGUIRE whether it is a program (mode 755) or a module (644)
#   CALCOLOTTI_OBJCOPY, CALCOLOTTI_READELF
# Stripped as Debian strips (--strip-unneeded, without .comment and .note),
# the debug sections compressed.

cmake_policy(VERSION 3.25)

set(id "")
set(con_debug FALSE)
if(CALCOLOTTI_OBJCOPY AND CALCOLOTTI_READELF)
  execute_process(COMMAND ${CALCOLOTTI_READELF} -n -S ${CALCOLOTTI_ESEGUIBILE}
    OUTPUT_VARIABLE intestazioni RESULT_VARIABLE esito ERROR_QUIET)
  if(esito EQUAL 0 AND intestazioni MATCHES "Build ID: ([0-9a-f]+)")
    set(id ${CMAKE_MATCH_1})
  endif()
  if(intestazioni MATCHES "\\.debug_info")
    set(con_debug TRUE)
  endif()
endif()

string(RANDOM LENGTH 12 caso)
set(lavoro "${CMAKE_CURRENT_BINARY_DIR}/calcolotti-spoglia-${caso}")
if(DEFINED ENV{TMPDIR} AND IS_DIRECTORY "$ENV{TMPDIR}")
  set(lavoro "$ENV{TMPDIR}/calcolotti-spoglia-${caso}")
elseif(IS_DIRECTORY /tmp)
  set(lavoro "/tmp/calcolotti-spoglia-${caso}")
endif()
file(MAKE_DIRECTORY ${lavoro})

function(esegui)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE esito ERROR_VARIABLE errore)
  if(NOT esito EQUAL 0)
    file(REMOVE_RECURSE ${lavoro})
    message(FATAL_ERROR "${ARGN}: ${errore}")
  endif()
endfunction()

if(id)
  string(SUBSTRING ${id} 0 2 testa)
  string(SUBSTRING ${id} 2 -1 resto)
  set(simboli ${lavoro}/${resto}.debug)
endif()
if(con_debug AND id)
  esegui(${CALCOLOTTI_OBJCOPY} --only-keep-debug --compress-debug-sections ${CALCOLOTTI_ESEGUIBILE} ${simboli})
endif()

if(IS_ABSOLUTE "${CALCOLOTTI_BINDIR}")
  set(bin "${CALCOLOTTI_BINDIR}")
else()
  set(bin "${CMAKE_INSTALL_PREFIX}/${CALCOLOTTI_BINDIR}")
endif()

if(CALCOLOTTI_PARTE STREQUAL "programma")
  get_filename_component(nome ${CALCOLOTTI_ESEGUIBILE} NAME)
  if(CALCOLOTTI_OBJCOPY)
    set(collegamento)
    if(con_debug AND id)
      set(collegamento --add-gnu-debuglink=${simboli})
    endif()
    esegui(${CALCOLOTTI_OBJCOPY} --strip-unneeded --remove-section=.comment --remove-section=.note
      ${collegamento} ${CALCOLOTTI_ESEGUIBILE} ${lavoro}/${nome})
  else()
    message(WARNING "objcopy not found: installing ${nome} unstripped")
    file(COPY ${CALCOLOTTI_ESEGUIBILE} DESTINATION ${lavoro})
  endif()
  if(CALCOLOTTI_DA_ESEGUIRE)
    set(permessi OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  else()
    set(permessi OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  endif()
  file(INSTALL ${lavoro}/${nome} DESTINATION "${bin}" FILE_PERMISSIONS ${permessi})
elseif(CALCOLOTTI_PARTE STREQUAL "simboli" AND con_debug AND id)
  file(INSTALL ${simboli} DESTINATION "${CMAKE_INSTALL_PREFIX}/lib/debug/.build-id/${testa}"
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endif()

file(REMOVE_RECURSE ${lavoro})
