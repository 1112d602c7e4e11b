# Installs the build into a scratch folder and checks what a package would hold: the executable, the
# shipped database and documents, the menu entry, the icons and the metainfo, with the distribution's
# validators when they are there.
file(REMOVE_RECURSE ${DESTINO})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${DESTINO} --component programa
  RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
foreach(arquivo
    bin/voltrace-tarsel
    share/voltrace-tarsel/Config.tsl
    share/voltrace-tarsel/xEDK_BR.pdf
    share/applications/${ID}.desktop
    share/metainfo/${ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${ID}.svg
    share/icons/hicolor/48x48/apps/${ID}.png
    share/icons/hicolor/256x256/apps/${ID}.png)
  if(NOT EXISTS ${DESTINO}/${arquivo})
    message(FATAL_ERROR "not installed: ${arquivo}")
  endif()
endforeach()
# The simulator is a package of its own.
if(EXISTS ${DESTINO}/bin/tarsel-sim)
  message(FATAL_ERROR "the simulator went into the program's component")
endif()
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${DESTINO}/share/metainfo/${ID}.metainfo.xml
    RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate failed")
  endif()
endif()
if(DESKTOP_VALIDATE)
  execute_process(COMMAND ${DESKTOP_VALIDATE} ${DESTINO}/share/applications/${ID}.desktop RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate failed")
  endif()
endif()
file(REMOVE_RECURSE ${DESTINO})
