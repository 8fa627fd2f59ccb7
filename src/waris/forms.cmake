target_sources(zw_ui PRIVATE
  WarisForms.h WarisForms.cpp)
