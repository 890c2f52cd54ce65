# The installation's folders stand beside the executable, in the build tree and
# in an installed copy alike.
set(PINTORA_FOLDERS "★MAilData" "添付フォルダ" "送信メール" "顔文字データ" "■TextQuickSave")
file(GLOB PINTORA_EMOTICONS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/emoticons/*.txt)

foreach(folder IN LISTS PINTORA_FOLDERS)
  file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/${folder}")
endforeach()

# Collections the user may have edited in the build tree are never overwritten.
foreach(collection IN LISTS PINTORA_EMOTICONS)
  get_filename_component(name ${collection} NAME)
  if(NOT EXISTS "${CMAKE_BINARY_DIR}/顔文字データ/${name}")
    configure_file(${collection} "${CMAKE_BINARY_DIR}/顔文字データ/${name}" COPYONLY)
  endif()
endforeach()

# The providers for OAuth 2.0 sign-in stand beside the executable; the user's own go into ★MAilData.
configure_file(${CMAKE_SOURCE_DIR}/data/oauth/oauth2.ini ${CMAKE_BINARY_DIR}/oauth2.ini COPYONLY)

install(TARGETS pintora RUNTIME DESTINATION .)
install(FILES data/oauth/oauth2.ini DESTINATION .)
foreach(folder IN LISTS PINTORA_FOLDERS)
  install(DIRECTORY DESTINATION "${folder}")
endforeach()
install(FILES ${PINTORA_EMOTICONS} DESTINATION "顔文字データ")
# The menu entry names the installed executable by its absolute path and starts
# it in the installed folder, where "tolvar.ini" is then kept. The prefix is
# only known when installing, so the entry is written then.
install(FILES data/desktop/pintora.svg DESTINATION share/icons/hicolor/scalable/apps)
install(CODE "set(PINTORA_DESKTOP_SOURCE \"${CMAKE_SOURCE_DIR}/data/desktop/pintora.desktop\")")
install(CODE [[
  get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
  # Quoted as an Exec argument, then escaped as a desktop-entry string.
  set(exec "${prefix}/pintora")
  string(REPLACE "\\" "\\\\" exec "${exec}")
  foreach(special "\"" "`" "$")
    string(REPLACE "${special}" "\\${special}" exec "${exec}")
  endforeach()
  string(REPLACE "%" "%%" exec "${exec}")
  string(REPLACE "\\" "\\\\" exec "${exec}")
  string(REPLACE "\\" "\\\\" path "${prefix}")
  file(READ "${PINTORA_DESKTOP_SOURCE}" entry)
  string(REGEX REPLACE "\nExec=[^\n]*" "\nExec=\"${exec}\" %u\nPath=${path}" entry "${entry}")
  file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/pintora.desktop" "${entry}")
  file(INSTALL "${CMAKE_CURRENT_BINARY_DIR}/pintora.desktop"
       DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications")
]])
