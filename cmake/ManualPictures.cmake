# Makes the pictures of the manual: the example document from its JSON, then
# page 1 and the continuation sheet as t2ltool renders them.
#
#   cmake -DT2LTOOL=... -DEXAMPLE_JSON=... -DPICTURE_DIR=... -P ManualPictures.cmake
#
# t2ltool reads the profile for colours, stamps and the height of the picture;
# a profile of its own keeps the builder's settings out of the manual.
foreach(var T2LTOOL EXAMPLE_JSON PICTURE_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "ManualPictures.cmake: ${var} fehlt.")
  endif()
endforeach()

set(profile ${PICTURE_DIR}/profile)
file(REMOVE_RECURSE ${profile})
# The picture ends with the sheet (298 mm) instead of the editor's grey margin below it.
file(WRITE ${profile}/Brennik/Velmora-T2L.ini "[VURivi_Defaults]\nDocLength=298\n")
set(ENV{XDG_CONFIG_HOME} ${profile})
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{ASAN_OPTIONS} detect_leaks=0)

set(example ${PICTURE_DIR}/beispiel.t2l)
execute_process(COMMAND ${T2LTOOL} build ${example}
                INPUT_FILE ${EXAMPLE_JSON}
                RESULT_VARIABLE result ERROR_VARIABLE error)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "t2ltool build ${EXAMPLE_JSON}: ${error}")
endif()

foreach(page 1 2)
  execute_process(COMMAND ${T2LTOOL} render ${example} --page ${page} --zoom 10 --dpi 150
                          ${PICTURE_DIR}/formular-seite${page}.png
                  RESULT_VARIABLE result ERROR_VARIABLE error)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "t2ltool render --page ${page}: ${error}")
  endif()
endforeach()
