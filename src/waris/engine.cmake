target_sources(zw_core PRIVATE
  HeirKind.h HeirKind.cpp
  HeirAmount.h
  ShareNote.h ShareNote.cpp
  ShareRules.h ShareRules.cpp
  CalculationState.h
  InheritanceEngine.h InheritanceEngine.cpp)
target_sources(zw_core PRIVATE
  engine/Fraction.h engine/Fraction.cpp
  engine/FaraidTypes.h
  engine/FaraidAmounts.h engine/FaraidAmounts.cpp
  engine/FaraidEngine.h engine/FaraidEngine.cpp
  engine/FaraidText.h engine/FaraidText.cpp
  engine/FaraidSteps.h engine/FaraidSteps.cpp)
