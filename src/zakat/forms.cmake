target_sources(zw_ui PRIVATE
  ZakatForms.h ZakatForms.cpp)
