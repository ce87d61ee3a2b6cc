# What `cmake --install` puts where: the two programs, the manual, and what the
# desktop needs to start the editor on a .t2l file. Only where the editor is built
# (the fuzz build has no GUI targets).
if(TARGET velmora-t2l)
  include(GNUInstallDirs)

  set(T2L_SHARE_NAME ${T2L_EXECUTABLE_NAME})

  install(TARGETS velmora-t2l t2ltool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

  # The manual twice: for the reader under doc/, and where the editor's help command
  # looks for it (../share/velmora-t2l/ from the executable; see ResourceNames.h).
  if(TARGET manual)
    get_target_property(T2L_MANUAL_PDF manual T2L_PDF)
    install(FILES ${T2L_MANUAL_PDF} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${T2L_SHARE_NAME})
    install(FILES ${T2L_MANUAL_PDF} DESTINATION ${CMAKE_INSTALL_DATADIR}/${T2L_SHARE_NAME})
  endif()

  install(FILES ${PROJECT_SOURCE_DIR}/packaging/velmora-t2l.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/velmora-t2l.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  install(FILES ${PROJECT_SOURCE_DIR}/src/resources/icons/app.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME velmora-t2l.svg)
  # The icon of .t2l files, under the name the MIME type implies.
  install(FILES ${PROJECT_SOURCE_DIR}/src/resources/icons/document.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
          RENAME application-x-velmora-t2l.svg)
endif()
