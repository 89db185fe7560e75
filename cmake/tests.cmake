# The unit tests, the end-to-end tests that run the built program, and the install checks.
find_package(GTest REQUIRED)
include(GoogleTest)

add_library(veldarin_allocation_seam OBJECT src/driver/allocation.cpp)
target_include_directories(veldarin_allocation_seam PUBLIC src)
target_compile_definitions(veldarin_allocation_seam PUBLIC VELDARIN_ALLOCATION_SEAM)

add_library(veldarin_test_support STATIC tests/support/scratch_dir.cpp)
target_include_directories(veldarin_test_support PUBLIC tests)

add_executable(veldarin_unit_tests
  src/condense/abbreviation_test.cpp
  src/condense/attack_summary_test.cpp
  src/condense/spreadsheet_text_test.cpp
  src/driver/allocation_failure_test.cpp
  src/driver/allocation_test.cpp
  src/driver/params_test.cpp
  src/monster/fields_test.cpp
  src/monster/line_reader_test.cpp
  src/monster/loader_test.cpp
  src/monster/monster_test.cpp
  src/monster/numbers_test.cpp
  src/monster/tab_fields_test.cpp
  src/monster/to_int_test.cpp
  src/output/abbreviated_line_test.cpp
  src/output/full_listing_test.cpp
  src/output/spreadsheet_row_test.cpp
  src/output/summary_file_test.cpp
  src/output/summary_writer_test.cpp
  src/templates/template_test.cpp
  $<TARGET_OBJECTS:veldarin_allocation_seam>
)
target_compile_definitions(veldarin_unit_tests PRIVATE VELDARIN_ALLOCATION_SEAM)
target_link_libraries(veldarin_unit_tests PRIVATE veldarin_core veldarin_test_support
                      GTest::gtest_main)
# The out-of-memory tests ask for more than the sanitizer's heap will give.
gtest_discover_tests(veldarin_unit_tests
  PROPERTIES ENVIRONMENT "ASAN_OPTIONS=allocator_may_return_null=1")

add_executable(veldarin_end_to_end_tests
  tests/command_line_test.cpp
  tests/data_safety_test.cpp
  tests/hostile_input_test.cpp
  tests/summary_file_test.cpp
  tests/program_runner.cpp
)
target_compile_definitions(veldarin_end_to_end_tests PRIVATE
  VELDARIN_PROGRAM="$<TARGET_FILE:veldarin>")
target_include_directories(veldarin_end_to_end_tests PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated)
target_link_libraries(veldarin_end_to_end_tests PRIVATE veldarin_test_support GTest::gtest_main)
add_dependencies(veldarin_end_to_end_tests veldarin)
gtest_discover_tests(veldarin_end_to_end_tests)

# The installed tree and the Debian package, from the plain build only.
if(NOT VELDARIN_SANITIZE AND NOT CMAKE_CROSSCOMPILING)
  add_test(NAME InstallTest.ProgramAndManPage
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/install_test.sh ${CMAKE_BINARY_DIR})
  add_test(NAME PackageTest.DebianPackage
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/package_test.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(PackageTest.DebianPackage PROPERTIES TIMEOUT 600)
endif()
