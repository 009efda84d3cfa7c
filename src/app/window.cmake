set(hint_png ${PROJECT_SOURCE_DIR}/assets/hint.png)
set(hint_cpp ${CMAKE_CURRENT_BINARY_DIR}/hint_picture_data.cpp)
add_custom_command(OUTPUT ${hint_cpp}
  COMMAND ${CMAKE_COMMAND} -DINPUT=${hint_png} -DOUTPUT=${hint_cpp} -P ${CMAKE_CURRENT_SOURCE_DIR}/embed_file.cmake
  DEPENDS ${hint_png} ${CMAKE_CURRENT_SOURCE_DIR}/embed_file.cmake)

target_sources(velmora_app PRIVATE
  browser_buttons.cpp
  captions.cpp
  exit_cleanup.cpp
  link_resolution.cpp
  main_window.cpp
  message_box.cpp
  png_image.cpp
  qt_text.cpp
  ${hint_cpp}
)

# The executable's build options: a test build points them at loopback.
function(velmora_executable name service_host update_url)
  add_executable(${name} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/main.cpp)
  target_link_libraries(${name} PRIVATE velmora_app)
  target_compile_definitions(${name} PRIVATE
    VELMORA_SERVICE_HOST="${service_host}" VELMORA_UPDATE_URL="${update_url}")
endfunction()
velmora_executable(velmora "${VELMORA_SERVICE_HOST}" "${VELMORA_UPDATE_URL}")
