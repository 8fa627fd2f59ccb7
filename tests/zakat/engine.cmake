zw_add_test(test_zakat_rules SOURCES ZakatRulesTest.cpp LIBS zw_core)
zw_add_test(test_zakat_report SOURCES ZakatReportTest.cpp LIBS zw_core)
