# Tests that drive a copy of the real Protoquill.exe under Wine from a second
# program, and a few that build the main window inside the test program to
# watch what it does step by step. Included from app/CMakeLists.txt.
enable_testing()

file(GLOB app_test_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/*.cpp")
add_executable(pq_app_wine_tests ${app_test_sources} ${CMAKE_CURRENT_LIST_DIR}/../app.rc)
pq_add_catalogue_resource(pq_app_wine_tests)
target_include_directories(pq_app_wine_tests PRIVATE "${CMAKE_CURRENT_LIST_DIR}")
target_link_libraries(pq_app_wine_tests PRIVATE pq_app gtest gtest_main)
pq_set_test_warnings(pq_app_wine_tests)
add_dependencies(pq_app_wine_tests Protoquill)

# Each test copies the program into its own folder under this one.
set(PQ_APP_TEST_DIR "${CMAKE_CURRENT_BINARY_DIR}/wine-test-runs")
add_test(NAME app_wine_tests COMMAND pq_app_wine_tests)
set_tests_properties(app_wine_tests PROPERTIES
  ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix;WINEDEBUG=-all;PQ_APP_EXE=$<TARGET_FILE:Protoquill>;PQ_APP_TEST_DIR=${PQ_APP_TEST_DIR}"
  FIXTURES_REQUIRED wine TIMEOUT 600)
