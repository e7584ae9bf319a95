# Tests that drive a copy of the real Protoquill.exe under Wine from a second
# program. Included from app/CMakeLists.txt on Windows builds.
enable_testing()

file(GLOB app_test_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/*.cpp")
add_executable(pq_app_wine_tests ${app_test_sources} ${PQ_CATALOGUE_RC})
target_include_directories(pq_app_wine_tests PRIVATE "${CMAKE_CURRENT_LIST_DIR}")
target_compile_definitions(pq_app_wine_tests PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(pq_app_wine_tests PRIVATE pq_builtin_catalogue pq_core gtest gtest_main
  user32 gdi32)
pq_set_test_warnings(pq_app_wine_tests)
add_dependencies(pq_app_wine_tests Protoquill)

# Each test copies the program into its own folder under this one.
set(PQ_APP_TEST_DIR "${CMAKE_CURRENT_BINARY_DIR}/wine-test-runs")
add_test(NAME app_wine_tests COMMAND pq_app_wine_tests)
set_tests_properties(app_wine_tests PROPERTIES
  ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix;WINEDEBUG=-all;PQ_APP_EXE=$<TARGET_FILE:Protoquill>;PQ_APP_TEST_DIR=${PQ_APP_TEST_DIR}"
  FIXTURES_REQUIRED wine TIMEOUT 600)
