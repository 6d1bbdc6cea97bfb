# Read by ctest after the test list of test_app_real has been found.
set_tests_properties(${test_app_real_TESTS} PROPERTIES TIMEOUT 120 LABELS xvfb)
