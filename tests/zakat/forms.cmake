add_library(zw_zakat_formtest STATIC ZakatRun.h ZakatRun.cpp)
target_link_libraries(zw_zakat_formtest PUBLIC zw_testsupport)
zw_project_options(zw_zakat_formtest)

zw_add_test(test_zakat_chain SOURCES ZakatChainTest.cpp LIBS zw_zakat_formtest)
zw_add_test(test_zakat_sheet SOURCES ZakatSheetTest.cpp LIBS zw_zakat_formtest)
