velmora_test(playback_handlers_test
  SOURCES playback_handlers_test.cpp
  LIBS velmora_app
  LABELS unit)

velmora_test(gst_media_player_test
  SOURCES gst_media_player_test.cpp
  LIBS velmora_app velmora_test_support
  LABELS playback)
target_compile_definitions(gst_media_player_test PRIVATE
  VELMORA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
