# Runs the section table generator and compares its output with the data file the model
# compiles in, byte for byte.
execute_process(COMMAND ${GENERATOR} ${OUT} RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "section_table_generator exited with ${rc}: ${err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT} ${DATA} RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "${DATA} is not what section_table_generator writes; "
                      "rebuild it with the section-table target")
endif()
