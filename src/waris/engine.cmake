target_sources(zw_core PRIVATE
  HeirKind.h HeirKind.cpp
  HeirAmount.h
  ShareNote.h ShareNote.cpp
  ShareRules.h ShareRules.cpp
  CalculationState.h
  InheritanceEngine.h InheritanceEngine.cpp)
