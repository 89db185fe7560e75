# nlohmann/json, the JSON parser the tool-data reader uses: header-only, from Debian's
# nlohmann-json3-dev. The Windows program and the page take the same headers from a copy in the
# build tree, since the host's include folder must not reach their compilers.
if(WIN32 OR EMSCRIPTEN)
  find_path(VELDARIN_JSON_INCLUDE nlohmann/json.hpp PATHS /usr/include
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT VELDARIN_JSON_INCLUDE)
    message(FATAL_ERROR "nlohmann/json.hpp not found: install nlohmann-json3-dev")
  endif()
  set(json_copy ${CMAKE_CURRENT_BINARY_DIR}/deps/json-include)
  file(COPY ${VELDARIN_JSON_INCLUDE}/nlohmann DESTINATION ${json_copy})
  add_library(veldarin_json INTERFACE)
  target_include_directories(veldarin_json SYSTEM INTERFACE ${json_copy})
  add_library(Veldarin::json ALIAS veldarin_json)
else()
  find_package(nlohmann_json 3.10 REQUIRED CONFIG)
  add_library(Veldarin::json ALIAS nlohmann_json::nlohmann_json)
endif()
