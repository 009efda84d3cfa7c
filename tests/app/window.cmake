velmora_test(link_resolution_test
  SOURCES link_resolution_test.cpp
  LIBS velmora_app velmora_test_support
  LABELS unit)

velmora_test(main_window_test QT_MAIN
  SOURCES main_window_test.cpp
  LIBS velmora_app velmora_test_support Qt6::Test
  LABELS gui)
