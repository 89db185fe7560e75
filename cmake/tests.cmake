# The unit tests, the end-to-end tests that run the built program, and the install checks.
if(WIN32 AND CMAKE_CROSSCOMPILING)
  # Debian has no MinGW build of GoogleTest, only its sources.
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Wine's first start in a fresh build folder makes its prefix, which takes a while.
  set(DISCOVERY DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 300)
  # Wine shows the Linux file system as drive Z:.
  set(PROGRAM_PATH "Z:$<TARGET_FILE:veldarin>")
  set(SOURCE_PATH "Z:${CMAKE_CURRENT_SOURCE_DIR}")
else()
  find_package(GTest REQUIRED)
  set(DISCOVERY)
  set(PROGRAM_PATH "$<TARGET_FILE:veldarin>")
  set(SOURCE_PATH "${CMAKE_CURRENT_SOURCE_DIR}")
endif()
include(GoogleTest)

add_library(veldarin_allocation_seam OBJECT src/system/allocation.cpp)
target_include_directories(veldarin_allocation_seam PUBLIC src)
target_compile_definitions(veldarin_allocation_seam PUBLIC VELDARIN_ALLOCATION_SEAM)

add_library(veldarin_test_support STATIC tests/support/scratch_dir.cpp)
target_include_directories(veldarin_test_support PUBLIC tests)

add_executable(veldarin_unit_tests
  src/system/allocation_test.cpp
  src/monster/fields_test.cpp
  src/monster/monster_test.cpp
  src/read/full_attack_test.cpp
  src/read/line_reader_test.cpp
  src/read/loader_test.cpp
  src/read/numbers_test.cpp
  src/read/tab_fields_test.cpp
  src/read/to_int_test.cpp
  src/read/markup/markup_text_test.cpp
  src/read/statblock/statblock_test.cpp
  src/read/json/json_values_test.cpp
  src/read/json/fivetools_tags_test.cpp
  src/read/json/json_monsters_test.cpp
  src/read/pathfinder/pathfinder_block_test.cpp
  src/read/fifth/ability_table_test.cpp
  src/read/fifth/fifth_block_test.cpp
  src/condense/abbreviation_test.cpp
  src/condense/attack_summary_test.cpp
  src/condense/spreadsheet_text_test.cpp
  src/templates/rating_scale_test.cpp
  src/templates/simple_template_test.cpp
  src/templates/template_test.cpp
  src/output/abbreviated_line_test.cpp
  src/output/full_listing_test.cpp
  src/output/spreadsheet_row_test.cpp
  src/output/summary_file_test.cpp
  src/output/summary_writer_test.cpp
  src/driver/allocation_failure_test.cpp
  src/driver/params_test.cpp
  $<TARGET_OBJECTS:veldarin_allocation_seam>
)
target_compile_definitions(veldarin_unit_tests PRIVATE VELDARIN_ALLOCATION_SEAM)
target_link_libraries(veldarin_unit_tests PRIVATE veldarin_core veldarin_test_support
                      GTest::gtest_main)
# The out-of-memory tests ask for more than the sanitizer's heap will give.
gtest_discover_tests(veldarin_unit_tests ${DISCOVERY}
  PROPERTIES ENVIRONMENT "ASAN_OPTIONS=allocator_may_return_null=1")

add_executable(veldarin_end_to_end_tests
  tests/command_line_test.cpp
  tests/data_safety_test.cpp
  tests/examples_test.cpp
  tests/hostile_input_test.cpp
  tests/summary_file_test.cpp
  tests/program_runner.cpp
)
if(WIN32)
  target_sources(veldarin_end_to_end_tests PRIVATE tests/windows_paths_test.cpp)
endif()
target_compile_definitions(veldarin_end_to_end_tests PRIVATE
  VELDARIN_PROGRAM="${PROGRAM_PATH}" VELDARIN_SOURCE_DIR="${SOURCE_PATH}")
target_include_directories(veldarin_end_to_end_tests PRIVATE src ${CMAKE_CURRENT_BINARY_DIR}/generated)
target_link_libraries(veldarin_end_to_end_tests PRIVATE veldarin_test_support GTest::gtest_main)
add_dependencies(veldarin_end_to_end_tests veldarin)
gtest_discover_tests(veldarin_end_to_end_tests ${DISCOVERY})

if(WIN32 AND CMAKE_CROSSCOMPILING)
  add_test(NAME PackageTest.WindowsZip
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/zip_package_test.sh ${CMAKE_BINARY_DIR})
endif()

# The installed tree and the Debian package, from the plain build only.
if(NOT VELDARIN_SANITIZE AND NOT CMAKE_CROSSCOMPILING)
  add_test(NAME InstallTest.ProgramAndManPage
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/install_test.sh ${CMAKE_BINARY_DIR})
  add_test(NAME PackageTest.DebianPackage
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/package_test.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(PackageTest.DebianPackage PROPERTIES TIMEOUT 600)
endif()
