target_sources(velmora_http PRIVATE
  charset_decoding.cpp
  curl_options.cpp
  curl_transfer.cpp
  process_events.cpp
  regex_object.cpp
  request_failure.cpp
  request_headers.cpp
  response_cookies.cpp
  unicode_text.cpp
  url_parts.cpp
  web_request.cpp
)
