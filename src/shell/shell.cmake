target_sources(zw_ui PRIVATE
  Application.h Application.cpp
  ShellForms.h ShellForms.cpp)
