add_library(zw_warissteps STATIC WarisSteps.h WarisSteps.cpp)
target_link_libraries(zw_warissteps PUBLIC zw_testsupport)
zw_project_options(zw_warissteps)

zw_add_test(test_waris_entry SOURCES WarisEntryTest.cpp LIBS zw_warissteps)
zw_add_test(test_waris_screens SOURCES WarisScreensTest.cpp LIBS zw_warissteps)
zw_add_test(test_waris_output SOURCES WarisOutputTest.cpp LIBS zw_warissteps)
