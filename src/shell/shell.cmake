target_sources(zw_ui PRIVATE
  AboutWindow.h AboutWindow.cpp
  Accessibility.h Accessibility.cpp
  Application.h Application.cpp
  ClosingWindow.h ClosingWindow.cpp
  DeferredSounds.h DeferredSounds.cpp
  FormWidgets.h FormWidgets.cpp
  HelpTexts.h HelpTexts.cpp
  HelpWindow.h HelpWindow.cpp
  MainMenu.h MainMenu.cpp
  PasswordGate.h PasswordGate.cpp
  Pause.h Pause.cpp
  ShellForms.h ShellForms.cpp
  SplashWindow.h SplashWindow.cpp
  StartUp.h StartUp.cpp
  WindowStyle.h WindowStyle.cpp)

# Qt Multimedia stays out of the program: the sounds are a module loaded when first needed.
add_library(zw_multimedia STATIC MultimediaSounds.h MultimediaSounds.cpp)
target_include_directories(zw_multimedia PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(zw_multimedia PUBLIC Qt6::Multimedia)
zw_project_options(zw_multimedia)

add_library(zakat-waris-sounds MODULE SoundsModule.cpp)
target_link_libraries(zakat-waris-sounds PRIVATE zw_multimedia)
set_target_properties(zakat-waris-sounds PROPERTIES
  PREFIX ""
  LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/lib/zakat-waris)
zw_project_options(zakat-waris-sounds)
install(TARGETS zakat-waris-sounds LIBRARY DESTINATION lib/zakat-waris)
add_dependencies(zw_ui zakat-waris-sounds)
