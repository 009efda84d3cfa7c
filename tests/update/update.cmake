# Tests of the update check. They run inside the QApplication the program
# itself runs in, so the pause is tested on the event dispatcher it meets there.
velmora_test(http_read_test QT_MAIN LABELS unit
  SOURCES http_read_test.cpp
  LIBS velmora_update velmora_test_support Qt6::Core)
velmora_test(wait_pumping_test QT_MAIN LABELS unit
  SOURCES wait_pumping_test.cpp
  LIBS velmora_update Qt6::Core)
velmora_test(update_check_test QT_MAIN LABELS unit
  SOURCES update_check_test.cpp
  LIBS velmora_update velmora_test_support Qt6::Core)
target_compile_definitions(http_read_test PRIVATE
  TLS_FIXTURES="${PROJECT_SOURCE_DIR}/tests/data/http/tls")
target_compile_definitions(update_check_test PRIVATE
  UPDATE_PAGE_FIXTURE="${PROJECT_SOURCE_DIR}/tests/data/update_page.html")
