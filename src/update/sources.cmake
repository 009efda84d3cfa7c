target_sources(velmora_update PRIVATE
  http_read.cpp
  wait_pumping.cpp
  update_check.cpp
)
