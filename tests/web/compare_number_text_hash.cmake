# Runs the text-conversion hash natively and in wasm under node with the same count; they must
# print the same line.
# cmake -DNODE=node -DWASM=hash.js -DNATIVE=number_text_hash -DCOUNT=n -P compare_number_text_hash.cmake
cmake_policy(VERSION 3.25)
if(NOT EXISTS "${NATIVE}")
  message(FATAL_ERROR "${NATIVE} is missing: build the desktop's tests first (JOUK_NATIVE_BUILD)")
endif()
execute_process(COMMAND "${NATIVE}" ${COUNT} OUTPUT_VARIABLE native RESULT_VARIABLE native_rc)
execute_process(COMMAND "${NODE}" "${WASM}" ${COUNT} OUTPUT_VARIABLE wasm RESULT_VARIABLE wasm_rc
                ERROR_VARIABLE wasm_err)
message(STATUS "desktop: ${native}")
message(STATUS "wasm:    ${wasm}")
if(NOT native_rc EQUAL 0 OR NOT wasm_rc EQUAL 0 OR NOT native STREQUAL wasm OR native STREQUAL "")
  message(FATAL_ERROR "the conversions differ (status ${native_rc} and ${wasm_rc}) ${wasm_err}")
endif()
