zw_add_test(test_zakat_engine SOURCES ZakatEngineTest.cpp LocaleText.h LIBS zw_core)
