target_sources(zw_core PRIVATE
  ZakatRules.h ZakatRules.cpp
  ZakatReport.h ZakatReport.cpp)
