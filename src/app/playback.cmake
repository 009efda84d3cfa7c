target_sources(velmora_app PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/playback.h
  ${CMAKE_CURRENT_LIST_DIR}/playback.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gst_media_player.h
  ${CMAKE_CURRENT_LIST_DIR}/gst_media_player.cpp
)
