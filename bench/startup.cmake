add_executable(startup_app startup_app.cpp)
target_link_libraries(startup_app PRIVATE velmora_app)
add_executable(startup_bare startup_bare.cpp)
target_link_libraries(startup_bare PRIVATE velmora_settings Qt6::Widgets)
