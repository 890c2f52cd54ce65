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

install(TARGETS pintora RUNTIME DESTINATION .)
foreach(folder IN LISTS PINTORA_FOLDERS)
  install(DIRECTORY DESTINATION "${folder}")
endforeach()
install(FILES ${PINTORA_EMOTICONS} DESTINATION "顔文字データ")
install(FILES data/desktop/pintora.desktop data/desktop/pintora.svg DESTINATION share)
