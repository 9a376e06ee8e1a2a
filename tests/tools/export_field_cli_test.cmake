# joukowsky-export's probe, field picture and wind-tunnel view end to end: the probe's rows in
# the order given, a point inside the section, the field picture as PNG at its size and as SVG with and without the pressure
# colours, and the tunnel view of the other formats.
cmake_policy(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
unset(ENV{QT_QPA_PLATFORM})
unset(ENV{DISPLAY})

function(fail)
  string(JOIN " " text ${ARGN})
  message(FATAL_ERROR "${text}")
endfunction()

# The probe: a header, one row per point in the order given, 17 significant digits.
execute_process(COMMAND ${EXE} --format probe --at 2,1 --at 0,0 --at -0.5,0.3
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
set(number "-?[0-9][.0-9e+-]*")
set(row "-?[0-9.]+,-?[0-9.]+,0,${number},${number},${number}")
if(NOT rc EQUAL 0 OR NOT err STREQUAL "" OR
   NOT out MATCHES "^x,y,inside,speed,cp,psi\n2,1,0,[^\n]+\n0,0,1,,,\n-0\\.5,0\\.29999999999999999,0,[^\n]+\n$")
  fail("probe: status ${rc}, stdout '${out}', stderr '${err}'")
endif()
string(REGEX MATCH "\n2,1,0,([^,]+),([^,]+),([^\n]+)\n" far "${out}")
set(speed "${CMAKE_MATCH_1}")
string(LENGTH "${speed}" length)
if(NOT speed MATCHES "^1\\.0[0-9]+$" OR NOT length EQUAL 18)
  fail("probe: the speed at (2, 1) is '${speed}', not 17 digits near 1")
endif()

# With the angle of attack 0 the tunnel view is the main picture: the same rows.
execute_process(COMMAND ${EXE} --format probe --alpha 0 --at 0.7,-0.1 OUTPUT_VARIABLE main)
execute_process(COMMAND ${EXE} --format probe --alpha 0 --at 0.7,-0.1 --view tunnel
                OUTPUT_VARIABLE tunnel)
if(NOT main STREQUAL tunnel)
  fail("probe at α 0: main '${main}', tunnel '${tunnel}'")
endif()

# The rejections of the probe, the field and the view are among those of export_cli_test.

# The field picture as PNG: the signature and the size in its header.
foreach(map 0 0.5 1)
  execute_process(COMMAND ${EXE} --format field --map ${map} --cp --size 300x200
                  --output ${WORK}/field-${map}.png RESULT_VARIABLE rc ERROR_VARIABLE err)
  file(READ ${WORK}/field-${map}.png head LIMIT 24 HEX)
  if(NOT rc EQUAL 0 OR NOT head MATCHES "^89504e470d0a1a0a0000000d494844520000012c000000c8$")
    fail("field PNG at ${map}: status ${rc}, header ${head}, stderr '${err}'")
  endif()
endforeach()
execute_process(COMMAND ${EXE} --format field --output ${WORK}/plain.png RESULT_VARIABLE rc)
file(READ ${WORK}/field-1.png coloured HEX)
file(READ ${WORK}/plain.png plain HEX)
if(NOT rc EQUAL 0 OR coloured STREQUAL plain)
  fail("the field picture without --cp is the one with it")
endif()

# The field picture as SVG: the lines and marks as paths, the colour bar with --cp only.
execute_process(COMMAND ${EXE} --format field --map 0 --output ${WORK}/field.svg RESULT_VARIABLE rc)
file(READ ${WORK}/field.svg svg)
foreach(id contour streamline-10 circle-b centre singular-points stagnation-points)
  if(NOT rc EQUAL 0 OR NOT svg MATCHES "<path id=\"${id}\"")
    fail("field SVG lacks ${id}")
  endif()
endforeach()
if(svg MATCHES "colour-bar")
  fail("field SVG without --cp has a colour bar")
endif()
execute_process(COMMAND ${EXE} --format field --cp --view tunnel --output ${WORK}/cp.SVG
                RESULT_VARIABLE rc)
file(READ ${WORK}/cp.SVG svg)
if(NOT rc EQUAL 0 OR NOT svg MATCHES "id=\"colour-bar\"" OR NOT svg MATCHES ">-0\\.5</text>" OR
   NOT svg MATCHES "</svg>\n$")
  fail("field SVG with --cp: status ${rc}")
endif()

# The tunnel view of the other formats: the same contour picture at α 0 before any tick, a
# different one once the ripples run (downstream, against the main picture's), turned points.
foreach(view main tunnel)
  execute_process(COMMAND ${EXE} --format png --alpha 0 --time 0 --output ${WORK}/${view}0.png)
  execute_process(COMMAND ${EXE} --format png --alpha 0 --time 0.3 --output ${WORK}/${view}3.png)
  file(READ ${WORK}/${view}0.png ${view}0 HEX)
  file(READ ${WORK}/${view}3.png ${view}3 HEX)
endforeach()
execute_process(COMMAND ${EXE} --format png --alpha 0 --time 0 --view tunnel
                --output ${WORK}/tunnel0.png)
execute_process(COMMAND ${EXE} --format png --alpha 0 --time 0.3 --view tunnel
                --output ${WORK}/tunnel3.png)
file(READ ${WORK}/tunnel0.png tunnel0 HEX)
file(READ ${WORK}/tunnel3.png tunnel3 HEX)
if(NOT main0 STREQUAL tunnel0 OR main3 STREQUAL tunnel3)
  fail("tunnel view at α 0: the contour differs or the ripples run the same way")
endif()
execute_process(COMMAND ${EXE} --format csv --view tunnel --alpha 30 OUTPUT_VARIABLE csv
                RESULT_VARIABLE rc)
# The trailing edge at −2b·e^{iα}, left of and below the origin.
if(NOT rc EQUAL 0 OR NOT csv MATCHES "\n0,1,-0\\.4[0-9]+,-0\\.2[0-9]+\n")
  fail("tunnel CSV: status ${rc}, '${csv}'")
endif()
foreach(format gif svg)
  execute_process(COMMAND ${EXE} --format ${format} --view tunnel --output ${WORK}/t.${format}
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    fail("tunnel ${format}: status ${rc}")
  endif()
endforeach()
