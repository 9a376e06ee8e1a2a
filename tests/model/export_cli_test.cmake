# Runs joukowsky-export end to end: the start-up CSV, the table, and a rejected input.
execute_process(COMMAND ${EXE} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "start-up run exited with ${rc}")
endif()
string(REGEX MATCHALL "\n" lines "${out}")
list(LENGTH lines n)
# 51+75+75+279+253+251+225+227+205+209+189 points and the header.
if(NOT n EQUAL 2040)
  message(FATAL_ERROR "expected 2040 lines, got ${n}")
endif()
if(NOT out MATCHES "^streamline,point,x,y\n0,1,-0\\.4938338623500684[0-9]*,0\\.04320486462085")
  message(FATAL_ERROR "unexpected start of CSV")
endif()

execute_process(COMMAND ${EXE} --table OUTPUT_VARIABLE table RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT table MATCHES "^row,delta,gamma,eps,mu\n1,0,0,0,0\n" OR
   NOT table MATCHES "\n75,0.12,0.02,0.10195,0.04407\n" OR
   NOT table MATCHES "\n496,0.3,0.15,0.29252,0.38751\n$")
  message(FATAL_ERROR "unexpected table output")
endif()

execute_process(COMMAND ${EXE} --dr 0 OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 2 OR NOT err MATCHES "dR must be a positive number\\." OR NOT out STREQUAL "")
  message(FATAL_ERROR "rejected input: status ${rc}, stderr ${err}")
endif()

execute_process(COMMAND ${EXE} --nope OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 2)
  message(FATAL_ERROR "unknown option: status ${rc}")
endif()
