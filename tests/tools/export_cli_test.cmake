# Runs joukowsky-export and joukowsky-streamlines end to end: the start-up CSV and the table,
# pictures to files and to standard output, rejected options and values (status 2, one line on
# standard error), outputs that cannot be written (status 1), --version and --help. No display
# is used: the exporter starts no QApplication at all.
cmake_policy(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
unset(ENV{QT_QPA_PLATFORM})
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})

function(fail)
  string(JOIN " " text ${ARGN})
  message(FATAL_ERROR "${text}")
endfunction()

# Every format with a platform that does not exist: a QApplication would abort there.
foreach(format csv svg png)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=none ${EXE} --format ${format}
                  --output ${WORK}/none.${format} ERROR_VARIABLE err RESULT_VARIABLE rc)
  file(SIZE ${WORK}/none.${format} size)
  if(NOT rc EQUAL 0 OR NOT err STREQUAL "" OR size LESS 1000)
    fail("${format} without any platform: status ${rc}, ${size} bytes, stderr '${err}'")
  endif()
endforeach()

# The CSV of the start-up texts.
execute_process(COMMAND ${EXE} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  fail("start-up run exited with ${rc}")
endif()
string(REGEX MATCHALL "\n" lines "${out}")
list(LENGTH lines n)
# 51+75+75+279+253+251+225+227+205+209+189 points and the header.
if(NOT n EQUAL 2040)
  fail("expected 2040 lines, got ${n}")
endif()
if(NOT out MATCHES "^streamline,point,x,y\n0,1,-0\\.4938338623500684[0-9]*,0\\.04320486462085")
  fail("unexpected start of CSV")
endif()
execute_process(COMMAND ${EXE} --format csv --output ${WORK}/flow.csv RESULT_VARIABLE rc)
file(READ ${WORK}/flow.csv csv)
if(NOT rc EQUAL 0 OR NOT csv STREQUAL out)
  fail("CSV to a file differs from CSV on standard output (status ${rc})")
endif()

execute_process(COMMAND ${EXE} --table OUTPUT_VARIABLE table RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT table MATCHES "^row,delta,gamma,eps,mu\n1,0,0,0,0\n" OR
   NOT table MATCHES "\n75,0.12,0.02,0.10195,0.04407\n" OR
   NOT table MATCHES "\n496,0.3,0.15,0.29252,0.38751\n$")
  fail("unexpected table output")
endif()
# 496 complete rows in order: row number, both keys, Eps and Mu, each a decimal number.
string(REGEX MATCHALL "\n[0-9]+,[0-9.]+,[0-9.]+,[0-9.]+,[0-9.]+" rows "${table}")
list(LENGTH rows n)
string(REGEX MATCHALL "\n" lines "${table}")
list(LENGTH lines nl)
if(NOT n EQUAL 496 OR NOT nl EQUAL 497)
  fail("expected 496 complete table rows, got ${n} of ${nl} lines")
endif()
set(k 0)
foreach(row IN LISTS rows)
  math(EXPR k "${k} + 1")
  if(NOT row MATCHES "^\n${k},")
    fail("table row ${k} out of order: ${row}")
  endif()
endforeach()

# Lift and pressure: the eight summary rows, and the surface table at 361 points from the
# trailing edge round to the trailing edge; without the Kutta condition the trailing edge has no
# row and a note says so on standard error, the status still 0.
execute_process(COMMAND ${EXE} --format summary OUTPUT_VARIABLE out ERROR_VARIABLE err
                RESULT_VARIABLE rc)
set(expected "quantity,value")
foreach(row circulation lift_coefficient lift_coefficient_from_pressure chord front_stagnation_x
            front_stagnation_y rear_stagnation_x rear_stagnation_y)
  string(APPEND expected "\n${row},[-0-9.e]+")
endforeach()
if(NOT rc EQUAL 0 OR NOT err STREQUAL "" OR NOT out MATCHES "^${expected}\n$" OR
   NOT out MATCHES "\ncirculation,0\.43588252")
  fail("summary: status ${rc}, '${out}' '${err}'")
endif()
foreach(case "1|361|^$" "0.5|359|^joukowsky-export: [^\n]*trailing edge[^\n]*\n$")
  string(REPLACE "|" ";" case "${case}")
  list(GET case 0 kutta)
  list(GET case 1 rows)
  list(GET case 2 note)
  execute_process(COMMAND ${EXE} --format surface --kutta ${kutta} OUTPUT_VARIABLE out
                  ERROR_VARIABLE err RESULT_VARIABLE rc)
  string(REGEX MATCHALL "\n[0-9]+,[-0-9.e]+,[-0-9.e]+,[-0-9.e]+,[-0-9.e]+" lines "${out}")
  list(LENGTH lines n)
  if(NOT rc EQUAL 0 OR NOT out MATCHES "^point,x,y,speed,cp\n" OR NOT n EQUAL rows OR
     NOT err MATCHES "${note}")
    fail("surface with Kutta ${kutta}: status ${rc}, ${n} rows, stderr '${err}'")
  endif()
endforeach()
execute_process(COMMAND ${EXE} --format surface --points 16 OUTPUT_VARIABLE out
                RESULT_VARIABLE rc)
string(REGEX MATCHALL "\n" lines "${out}")
list(LENGTH lines n)
if(NOT rc EQUAL 0 OR NOT n EQUAL 17)
  fail("surface at 16 points: status ${rc}, ${n} lines")
endif()

# Pictures: the same bytes to a file and to standard output.
execute_process(COMMAND ${EXE} --format svg --nsl 6 OUTPUT_VARIABLE svg ERROR_VARIABLE err
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT err STREQUAL "" OR NOT svg MATCHES "^<\\?xml" OR
   NOT svg MATCHES "</svg>\n$")
  fail("SVG on standard output: status ${rc}, ${err}")
endif()
execute_process(COMMAND ${EXE} --format=svg --nsl=6 --output=${WORK}/flow.svg RESULT_VARIABLE rc)
file(READ ${WORK}/flow.svg svgFile)
if(NOT rc EQUAL 0 OR NOT svgFile STREQUAL svg)
  fail("SVG to a file differs from SVG on standard output")
endif()
execute_process(COMMAND ${EXE} --format png --time 0.5 --output ${WORK}/flow.png
                ERROR_VARIABLE err RESULT_VARIABLE rc)
execute_process(COMMAND ${EXE} --format png --time 0.5 OUTPUT_FILE ${WORK}/stdout.png
                RESULT_VARIABLE rc2)
file(READ ${WORK}/flow.png png HEX)
file(READ ${WORK}/stdout.png pngOut HEX)
if(NOT rc EQUAL 0 OR NOT rc2 EQUAL 0 OR NOT err STREQUAL "" OR
   NOT png MATCHES "^89504e470d0a1a0a" OR NOT pngOut STREQUAL png)
  fail("PNG: status ${rc} and ${rc2}, stderr '${err}'")
endif()

# Rejected options and values: status 2, one line on standard error, nothing written.
file(WRITE ${WORK}/kept.svg "kept")
set(rejected
  "--bogus"
  "--format|jpeg"
  "--format|png|--size|800x800"
  "--format|png|--size|900x600x"
  "--format|svg|--time|0.15"
  "--format|svg|--time|-1"
  "--time|0.2"
  "--size|900x600"
  "--table|--format|svg"
  "--output"
  "--dr|0"
  "--format|svg|--nsl|30|--output|${WORK}/kept.svg"
  "--format|png|--scale|0|--output|${WORK}/kept.svg"
  "--format|svg|--size|3x3|--output|${WORK}/kept.svg"
  "--format|surface|--points|15"
  "--format|surface|--points|100001"
  "--format|surface|--points|2.5"
  "--format|surface|--points|many"
  "--format|summary|--points|100"
  "--points|100"
  "--format|probe"
  "--format|probe|--at|1"
  "--format|probe|--at|1,y"
  "--format|probe|--at|1;2"
  "--at|1,2"
  "--format|field"
  "--format|field|--output|${WORK}/f.gif"
  "--format|field|--map|2|--output|${WORK}/kept.svg"
  "--format|field|--size|601x400|--output|${WORK}/kept.svg"
  "--format|field|--kutta|40|--alpha|30|--output|${WORK}/kept.svg"
  "--format|png|--cp|--output|${WORK}/kept.svg"
  "--format|summary|--view|tunnel"
  "--view|sideways"
)
foreach(case IN LISTS rejected)
  string(REPLACE "|" ";" args "${case}")
  execute_process(COMMAND ${EXE} ${args} OUTPUT_VARIABLE out ERROR_VARIABLE err
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 2 OR NOT out STREQUAL "" OR NOT err MATCHES "^joukowsky-export: [^\n]+\n$")
    fail("${case}: status ${rc}, stdout '${out}', stderr '${err}'")
  endif()
endforeach()
file(READ ${WORK}/kept.svg kept)
if(NOT kept STREQUAL "kept" OR EXISTS ${WORK}/f.gif)
  fail("a rejected run touched its output file")
endif()
execute_process(COMMAND ${EXE} --dr 0 ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT err MATCHES "dR must be a positive number\\.")
  fail("rejected parameter: ${err}")
endif()

# Outputs that cannot be written: status 1 and one line naming the place.
set(unwritable "${WORK}/no-such-folder/flow.out" "${WORK}")
if(EXISTS /dev/full)
  list(APPEND unwritable /dev/full)
endif()
foreach(target IN LISTS unwritable)
  foreach(format csv svg png)
    execute_process(COMMAND ${EXE} --format ${format} --output ${target}
                    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
    if(NOT rc EQUAL 1 OR NOT out STREQUAL "" OR
       NOT err MATCHES "^joukowsky-export: cannot write [^\n]+\n$")
      fail("${format} to ${target}: status ${rc}, stderr '${err}'")
    endif()
  endforeach()
endforeach()
if(EXISTS /dev/full)
  execute_process(COMMAND ${EXE} OUTPUT_FILE /dev/full ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 1 OR NOT err MATCHES "cannot write standard output")
    fail("CSV to a full standard output: status ${rc}, stderr '${err}'")
  endif()
  if(NOT EXISTS /dev/full)
    fail("/dev/full was removed")
  endif()
endif()
if(EXISTS "${WORK}/no-such-folder")
  fail("a folder was created for the output")
endif()

# --version and --help of both programs, without a display.
execute_process(COMMAND ${EXE} --version OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "joukowsky-export ${VERSION}\n")
  fail("joukowsky-export --version: status ${rc}, '${out}'")
endif()
execute_process(COMMAND ${EXE} --help OUTPUT_VARIABLE out RESULT_VARIABLE rc)
foreach(word "Usage: joukowsky-export" --format --size --time --output --version "Exit status")
  if(NOT rc EQUAL 0 OR NOT out MATCHES "${word}")
    fail("joukowsky-export --help lacks ${word}")
  endif()
endforeach()
execute_process(COMMAND ${WINDOW} --version OUTPUT_VARIABLE out ERROR_VARIABLE err
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "joukowsky-streamlines ${VERSION}\n")
  fail("joukowsky-streamlines --version: status ${rc}, '${out}' '${err}'")
endif()
execute_process(COMMAND ${WINDOW} --help OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^Usage: joukowsky-streamlines" OR NOT out MATCHES "--version")
  fail("joukowsky-streamlines --help: status ${rc}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${WINDOW} --bogus
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 2 OR NOT err MATCHES "joukowsky-streamlines: unknown option --bogus [^\n]*\n$")
  fail("joukowsky-streamlines --bogus: status ${rc}, '${err}'")
endif()
# Without any display or platform at all (the environment has neither here).
execute_process(COMMAND ${WINDOW} --bogus OUTPUT_VARIABLE out ERROR_VARIABLE err
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 2 OR NOT err STREQUAL "joukowsky-streamlines: unknown option --bogus (see --help).\n")
  fail("joukowsky-streamlines --bogus without a display: status ${rc}, '${err}'")
endif()

# Texts not read as typed are told on standard error, one line each; the status stays 0.
execute_process(COMMAND ${EXE} --delta 0,12 --alpha 5deg OUTPUT_VARIABLE out ERROR_VARIABLE err
                RESULT_VARIABLE rc)
set(notes "joukowsky-export: note: --delta: Read as 0: use a point as the decimal separator.\n")
string(APPEND notes "joukowsky-export: note: --alpha: Read as 5: the text after the number ")
string(APPEND notes "(\"deg\") is not read.\n")
if(NOT rc EQUAL 0 OR NOT err STREQUAL notes)
  fail("notes on texts: status ${rc}, stderr '${err}'")
endif()
execute_process(COMMAND ${EXE} --delta 0.5 OUTPUT_VARIABLE out ERROR_VARIABLE err
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT err MATCHES "^joukowsky-export: note: --delta, --gamma: δ 0\\.5 with γ 0\\.02 is not in the section table [^\n]*flat plate[^\n]*\n$")
  fail("note on a pair off the table: status ${rc}, stderr '${err}'")
endif()
