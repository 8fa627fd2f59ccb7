zw_add_test(test_waris_share_rules SOURCES ShareRulesTest.cpp LIBS zw_core)
zw_add_test(test_waris_engine SOURCES InheritanceEngineTest.cpp LIBS zw_core)
