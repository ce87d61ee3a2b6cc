# The user manual as PDF, built from docs/manual.md by makemanual into the folder of
# the editor's executable, where the editor looks for it in the build tree.
set(T2L_MANUAL_SOURCE ${PROJECT_SOURCE_DIR}/docs/manual.md)
set(T2L_MANUAL_OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${T2L_EXECUTABLE_NAME}.pdf)

# Its pictures of the form are rendered by t2ltool from an example document at
# build time, so they always show the program's current form.
set(T2L_MANUAL_EXAMPLE ${PROJECT_SOURCE_DIR}/docs/beispiel.json)
set(T2L_MANUAL_PICTURE_DIR ${CMAKE_CURRENT_BINARY_DIR}/manual-pictures)
set(T2L_MANUAL_PICTURES ${T2L_MANUAL_PICTURE_DIR}/formular-seite1.png ${T2L_MANUAL_PICTURE_DIR}/formular-seite2.png)
add_custom_command(
  OUTPUT ${T2L_MANUAL_PICTURES}
  COMMAND ${CMAKE_COMMAND} -DT2LTOOL=$<TARGET_FILE:t2ltool> -DEXAMPLE_JSON=${T2L_MANUAL_EXAMPLE}
          -DPICTURE_DIR=${T2L_MANUAL_PICTURE_DIR} -P ${PROJECT_SOURCE_DIR}/cmake/ManualPictures.cmake
  DEPENDS t2ltool ${T2L_MANUAL_EXAMPLE} ${PROJECT_SOURCE_DIR}/cmake/ManualPictures.cmake
  COMMENT "Bilder für das Handbuch"
  VERBATIM)

# Leak reports of a sanitizer build would fail the build for nothing the manual needs.
add_custom_command(
  OUTPUT ${T2L_MANUAL_OUTPUT}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:makemanual> --images ${T2L_MANUAL_PICTURE_DIR} ${T2L_MANUAL_SOURCE} ${T2L_MANUAL_OUTPUT}
  DEPENDS makemanual ${T2L_MANUAL_SOURCE} ${T2L_MANUAL_PICTURES}
  COMMENT "Handbuch ${T2L_EXECUTABLE_NAME}.pdf"
  VERBATIM)
add_custom_target(manual ALL DEPENDS ${T2L_MANUAL_OUTPUT})
set_target_properties(manual PROPERTIES T2L_PDF ${T2L_MANUAL_OUTPUT})
