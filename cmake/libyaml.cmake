# libyaml, the YAML parser the statblock reader uses. Linux builds link Debian's libyaml-dev; the
# Windows program and the page compile the same version from Debian's source package, which
# scripts/fetch-libyaml unpacks into build/deps/libyaml.
if(WIN32 OR EMSCRIPTEN)
  set(VELDARIN_LIBYAML_SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/build/deps/libyaml
      CACHE PATH "libyaml's unpacked Debian source package")
  if(NOT EXISTS ${VELDARIN_LIBYAML_SOURCE}/include/yaml.h)
    message(FATAL_ERROR "libyaml's source is not in ${VELDARIN_LIBYAML_SOURCE}: "
                        "run scripts/fetch-libyaml")
  endif()
  enable_language(C)
  file(STRINGS ${VELDARIN_LIBYAML_SOURCE}/CMakeLists.txt yaml_version_lines
       REGEX "^set \\(YAML_VERSION_(MAJOR|MINOR|PATCH) [0-9]+\\)")
  set(yaml_definitions YAML_DECLARE_STATIC)
  set(yaml_version)
  foreach(line ${yaml_version_lines})
    string(REGEX REPLACE "^set \\((YAML_VERSION_[A-Z]+) ([0-9]+)\\)$" "\\1;\\2" part "${line}")
    list(GET part 0 name)
    list(GET part 1 number)
    list(APPEND yaml_definitions ${name}=${number})
    list(APPEND yaml_version ${number})
  endforeach()
  list(JOIN yaml_version . yaml_version)
  list(APPEND yaml_definitions YAML_VERSION_STRING="${yaml_version}")
  set(yaml_sources api.c dumper.c emitter.c loader.c parser.c reader.c scanner.c writer.c)
  list(TRANSFORM yaml_sources PREPEND ${VELDARIN_LIBYAML_SOURCE}/src/)
  add_library(veldarin_yaml STATIC ${yaml_sources})
  # Its own code, built as its makers build it: our warning flags are for our code.
  set_target_properties(veldarin_yaml PROPERTIES COMPILE_OPTIONS "-w" C_STANDARD 99)
  target_compile_definitions(veldarin_yaml PRIVATE ${yaml_definitions}
                             INTERFACE YAML_DECLARE_STATIC)
  target_include_directories(veldarin_yaml PUBLIC ${VELDARIN_LIBYAML_SOURCE}/include)
  add_library(Veldarin::yaml ALIAS veldarin_yaml)
else()
  find_path(YAML_INCLUDE_DIR yaml.h REQUIRED)
  find_library(YAML_LIBRARY yaml REQUIRED)
  add_library(Veldarin::yaml UNKNOWN IMPORTED)
  set_target_properties(Veldarin::yaml PROPERTIES IMPORTED_LOCATION ${YAML_LIBRARY}
                        INTERFACE_INCLUDE_DIRECTORIES ${YAML_INCLUDE_DIR})
endif()
