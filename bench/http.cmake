# WebRequest against the curl tool on a 200 MB body served on loopback.
if(VELMORA_TESTS)
  add_executable(http_bench http_bench.cpp)
  target_link_libraries(http_bench PRIVATE velmora_settings velmora_http velmora_test_support
                        velmora_curl)
endif()
