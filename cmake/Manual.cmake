# The user manual as PDF, built from docs/manual.md by makemanual into the folder of
# the editor's executable, where the editor looks for it in the build tree.
set(T2L_MANUAL_SOURCE ${PROJECT_SOURCE_DIR}/docs/manual.md)
set(T2L_MANUAL_OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${T2L_EXECUTABLE_NAME}.pdf)

# Leak reports of a sanitizer build would fail the build for nothing the manual needs.
add_custom_command(
  OUTPUT ${T2L_MANUAL_OUTPUT}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:makemanual> ${T2L_MANUAL_SOURCE} ${T2L_MANUAL_OUTPUT}
  DEPENDS makemanual ${T2L_MANUAL_SOURCE}
  COMMENT "Handbuch ${T2L_EXECUTABLE_NAME}.pdf"
  VERBATIM)
add_custom_target(manual ALL DEPENDS ${T2L_MANUAL_OUTPUT})
set_target_properties(manual PROPERTIES T2L_PDF ${T2L_MANUAL_OUTPUT})
