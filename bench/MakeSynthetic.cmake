# cmake -DZENTGEN=... -DROWS=... -DFOLDER=... -P MakeSynthetic.cmake
# Writes a synthetic catalogue into FOLDER unless one is there; a run cut short leaves no catalogue.
if(EXISTS ${FOLDER}/zentdeck.znt)
  return()
endif()
file(REMOVE_RECURSE ${FOLDER}.part)
file(MAKE_DIRECTORY ${FOLDER}.part)
set(ENV{ASAN_OPTIONS} detect_leaks=0)
execute_process(COMMAND ${ZENTGEN} synthetic ${ROWS} ${FOLDER}.part/zentdeck.znt RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "zentgen could not write ${ROWS} rows")
endif()
file(REMOVE_RECURSE ${FOLDER})
file(RENAME ${FOLDER}.part ${FOLDER})
