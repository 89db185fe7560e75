# The browser page: build/web/ holds index.html, its stylesheet and script, the examples, and
# veldarin.js with the WebAssembly inside, so the folder works from disk or any static host.
set(VELDARIN_WEB_DIR ${CMAKE_BINARY_DIR}/page CACHE PATH "Where the page's folder is made")
set(WEB_OUTPUT ${VELDARIN_WEB_DIR})

add_executable(veldarin_web web/veldarin_web.cpp $<TARGET_OBJECTS:veldarin_allocation>)
target_link_libraries(veldarin_web PRIVATE veldarin_core)
set_target_properties(veldarin_web PROPERTIES OUTPUT_NAME veldarin SUFFIX .js
                      RUNTIME_OUTPUT_DIRECTORY ${WEB_OUTPUT})
set(WEB_EXPORTS
    _malloc,_free,_veldarin_summarize,_veldarin_summary,_veldarin_summary_size,_veldarin_console,_veldarin_console_size)
target_link_options(veldarin_web PRIVATE
  -sSINGLE_FILE=1 -sMODULARIZE=1 -sEXPORT_NAME=createVeldarin -sENVIRONMENT=web,node
  -sALLOW_MEMORY_GROWTH=1 -sEXPORTED_FUNCTIONS=${WEB_EXPORTS}
  --post-js ${CMAKE_CURRENT_SOURCE_DIR}/web/api.js)
set_property(TARGET veldarin_web APPEND PROPERTY LINK_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/web/api.js)

foreach(page index.html style.css app.js)
  configure_file(web/${page} ${WEB_OUTPUT}/${page} COPYONLY)
endforeach()

# The examples as bytes (hex), so that the page offers them without reading files from disk.
set(examples_js "// Generated from examples/ by the build.\nconst VELDARIN_EXAMPLES = {\n")
foreach(example ${VELDARIN_EXAMPLES})
  file(READ examples/${example} bytes HEX)
  get_filename_component(name ${example} NAME_WLE)
  string(APPEND examples_js "  '${name}': '${bytes}',\n")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS examples/${example})
endforeach()
string(APPEND examples_js "};\n")
file(WRITE ${WEB_OUTPUT}/examples.js "${examples_js}")
