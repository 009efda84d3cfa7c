# The benchmark serves its fixture with the tests' loopback server.
if(VELMORA_TESTS)
  # The player is compiled in directly so that a probe run loads no Qt
  # libraries, which the baseline does not load either.
  add_executable(playback_bench playback_bench.cpp ${PROJECT_SOURCE_DIR}/src/app/gst_media_player.cpp)
  target_link_libraries(playback_bench PRIVATE velmora_settings velmora_text velmora_test_support
                        PkgConfig::GST)
  target_compile_definitions(playback_bench PRIVATE VELMORA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
endif()
