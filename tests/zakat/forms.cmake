zw_add_test(test_zakat_forms SOURCES ZakatFormsTest.cpp LocaleText.h LIBS zw_testsupport)
