# Tests of the request engine (src/http, all but cookies).
velmora_test(http_engine_parts_test LABELS unit
             SOURCES request_headers_test.cpp url_parts_test.cpp regex_object_test.cpp
                     response_cookies_test.cpp curl_options_test.cpp
             LIBS velmora_http)
velmora_test(web_request_test LABELS unit
             SOURCES web_request_wire_test.cpp web_request_answer_test.cpp
                     web_request_charset_test.cpp
             LIBS velmora_http velmora_test_support)
velmora_test(web_request_tls_proxy_test LABELS unit
             SOURCES web_request_tls_proxy_test.cpp
             LIBS velmora_http velmora_test_support)
target_compile_definitions(web_request_tls_proxy_test PRIVATE
                           VELMORA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
