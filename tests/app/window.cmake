velmora_test(link_resolution_test
  SOURCES link_resolution_test.cpp
  LIBS velmora_app velmora_test_support
  LABELS unit)

velmora_test(main_window_test QT_MAIN
  SOURCES main_window_test.cpp
  LIBS velmora_app velmora_test_support Qt6::Test
  LABELS gui)

# The real program in a test build: its service and update page on loopback
# ports that the process test serves. Run under Xvfb, driven by xdotool.
velmora_executable(velmora_loopback "127.0.0.1:39517" "http://127.0.0.1:39518/velmora")
velmora_test(velmora_process_test LOCK velmora_loopback_ports
  SOURCES velmora_process_test.cpp
  LIBS velmora_test_support Qt6::Core
  LABELS gui)
target_compile_definitions(velmora_process_test PRIVATE
  VELMORA_LOOPBACK_EXE="$<TARGET_FILE:velmora_loopback>")
