# The GIF of giflib built for wasm (gif_bytes under node, as hexadecimal text) against the
# desktop exporter's joukowsky-export --format gif, byte for byte.
# cmake -DNODE=node -DWASM=gif_bytes.js -DEXPORT=joukowsky-export -DOUT=dir -P compare_gif_bytes.cmake
cmake_policy(VERSION 3.25)
if(NOT EXISTS "${EXPORT}")
  message(FATAL_ERROR "${EXPORT} is missing: build the desktop's exporter first (JOUK_NATIVE_BUILD)")
endif()
file(MAKE_DIRECTORY "${OUT}")
# The exporter's defaults: from tick 1, 10 frames, 2/100 s each.
execute_process(COMMAND "${EXPORT}" --format gif --output "${OUT}/export.gif" RESULT_VARIABLE rc)
execute_process(COMMAND "${NODE}" "${WASM}" 1 10 2 OUTPUT_VARIABLE wasm RESULT_VARIABLE wasm_rc
                ERROR_VARIABLE wasm_err)
file(READ "${OUT}/export.gif" native HEX)
string(STRIP "${wasm}" wasm)
string(LENGTH "${native}" length)
math(EXPR bytes "${length} / 2")
if(NOT rc EQUAL 0 OR NOT wasm_rc EQUAL 0 OR NOT native STREQUAL wasm OR bytes EQUAL 0)
  message(FATAL_ERROR "the GIFs differ (status ${rc} and ${wasm_rc}) ${wasm_err}")
endif()
message(STATUS "the same ${bytes} bytes")
