# `vorbento --results` with no display at all: each design's 54 texts must be
# those the replay tool's engine shows after opening the same inputs, under
# one header line; a refused FILE anywhere leaves stdout empty.
cmake_policy(SET CMP0007 NEW)  # a cell left empty is still a column
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(failures "")
macro(fail what)
  string(APPEND failures "  ${what}\n")
endmacro()

# The replay tool's dump after a load of the design's inputs, NAME=TEXT
# lines; further arguments are session lines run after the load.
function(replay_dump design out)
  file(READ ${design} json)
  string(JSON count LENGTH "${json}" inputs)
  math(EXPR last "${count} - 1")
  set(session "load\n")
  foreach(k RANGE ${last})
    string(JSON key MEMBER "${json}" inputs ${k})
    string(JSON value GET "${json}" inputs ${key})
    string(APPEND session "${key}=${value}\n")
  endforeach()
  string(APPEND session ".\n")
  foreach(line IN LISTS ARGN)
    string(APPEND session "${line}\n")
  endforeach()
  string(APPEND session "dump\n")
  file(WRITE ${WORK}/session.in "${session}")
  execute_process(COMMAND ${REPLAY} INPUT_FILE ${WORK}/session.in OUTPUT_VARIABLE dump)
  string(REGEX REPLACE "\\.\n$" "" dump "${dump}")
  set(${out} "${dump}" PARENT_SCOPE)
endfunction()

# The 54 FIELD=TEXT lines of one design's block of a --results table.
function(table_dump table out)
  # A cell's ";" (a typed text, the words joining two causes) would split
  # CMake's lists: it stands in for itself until the texts are compared.
  string(REPLACE ";" "@SEMICOLON@" table "${table}")
  string(REGEX MATCHALL "[^\n]*\n" lines "${table}")
  list(REMOVE_AT lines 0)
  set(got "")
  list(SUBLIST lines 0 54 lines)  # the check's rows follow the fields
  foreach(line IN LISTS lines)
    string(REPLACE "\t" ";" cells "${line}")
    list(GET cells 1 name)
    list(GET cells 3 value)
    string(APPEND got "${name}=${value}\n")
  endforeach()
  string(REPLACE "@SEMICOLON@" ";" got "${got}")
  set(${out} "${got}" PARENT_SCOPE)
endfunction()

# --set types as a user does: the texts the replay tool's edits give after
# the same load, the ratio's exchange and a bad text included.
execute_process(COMMAND ${VORBENTO} --results --set i=4 --set "m=3 00" --set nmg1=1000 ${DIR}/axis_x.vorbento
                RESULT_VARIABLE rc OUTPUT_VARIABLE table ERROR_VARIABLE err)
table_dump("${table}" got)
replay_dump(${DIR}/axis_x.vorbento expected "edit i 4" "edit m 3 00" "edit nmg1 1000")
if(NOT rc EQUAL 0 OR err OR NOT got STREQUAL expected)
  fail("--set (exit ${rc}, ${err}):\n${got}\nexpected:\n${expected}")
endif()

# The same design twice is two blocks; the bad input's marks are words in the
# last column, which the comparison leaves aside.
set(designs ${DIR}/axis_x.vorbento ${DIR}/stale_design.vorbento ${DIR}/axis_x.vorbento)
execute_process(COMMAND ${VORBENTO} --results ${designs} RESULT_VARIABLE rc OUTPUT_VARIABLE table ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR err)
  message(FATAL_ERROR "--results exited with ${rc}: ${err}")
endif()
string(REPLACE ";" "@semicolon@" table "${table}")
string(REGEX MATCHALL "[^\n]*\n" lines "${table}")
list(LENGTH lines count)
# Each design: its 54 fields, then the check's 5 inputs and 12 figures.
if(NOT count EQUAL 214)
  fail("${count} lines, not one header and 3 x (54 + 17) rows")
endif()
list(GET lines 0 header)
if(NOT header STREQUAL "Fájl\tMező\tJel\tÉrték\tMértékegység\tLeírás\tMegjegyzés\n")
  fail("header: ${header}")
endif()
set(row 1)
foreach(design IN LISTS designs)
  replay_dump(${design} expected)
  set(got "")
  foreach(k RANGE 1 54)
    list(GET lines ${row} line)
    math(EXPR row "${row} + 1")
    string(REPLACE "\t" ";" cells "${line}")
    list(GET cells 0 file)
    list(GET cells 1 name)
    list(GET cells 3 value)
    if(NOT file STREQUAL design)
      fail("row ${row} names ${file}, not ${design}")
    endif()
    string(APPEND got "${name}=${value}\n")
  endforeach()
  math(EXPR row "${row} + 17")
  string(REPLACE "@semicolon@" ";" got "${got}")
  if(NOT got STREQUAL expected)
    fail("${design}: the texts differ from the replay tool's:\n${got}\nexpected:\n${expected}")
  endif()
endforeach()
if(NOT table MATCHES "stale_design.vorbento\tm\tm\t30kg\tkg\t[^\t\n]*\tNem szám\n")
  fail("the bad mass without its words")
endif()
# An old file has no screw data: an empty value, and the figures that need it say so
# only by their empty value; a figure from the bad mass carries its words, naming it.
if(NOT table MATCHES "axis_x.vorbento\tdorsomag\td_mag\t\tm\t[^\t\n]*\n.*axis_x.vorbento\tfmeg\tF_meg\t\tN\t[^\t\n]*\n")
  fail("the check rows of a version 1 design")
endif()
if(NOT table MATCHES "stale_design.vorbento\tfax\tF_ax\tnem számolható\tN\t[^\t\n]*\tm: Nem szám\n")
  fail("the thrust from a bad mass without its words")
endif()

# --json: the same rows as one JSON document, and no tab-cell rule on its texts.
execute_process(COMMAND ${VORBENTO} --results --json --set "f=1e999" ${designs}
                RESULT_VARIABLE rc OUTPUT_FILE ${WORK}/results.json ERROR_VARIABLE err)
execute_process(COMMAND ${VORBENTO} --results --set "f=1e999" ${designs} OUTPUT_FILE ${WORK}/results.tsv)
execute_process(COMMAND ${PYTHON} ${DIR}/json_matches_table.py ${WORK}/results.json ${WORK}/results.tsv
                RESULT_VARIABLE compared ERROR_VARIABLE why)
if(NOT rc EQUAL 0 OR err OR NOT compared EQUAL 0)
  fail("--json (exit ${rc}, ${err}): ${why}")
endif()

# The headless library alone gives the same table, and loads no widget or print library.
execute_process(COMMAND ${HEADLESS} --results --set "f=1e999" ${designs} OUTPUT_FILE ${WORK}/headless.tsv)
file(READ ${WORK}/results.tsv tsv)
file(READ ${WORK}/headless.tsv headless)
execute_process(COMMAND ldd ${HEADLESS} OUTPUT_VARIABLE libraries)
if(NOT headless STREQUAL tsv OR libraries MATCHES "Qt6(Widgets|PrintSupport)")
  fail("the headless --results differs or loads:\n${libraries}")
endif()

# All or nothing: a refused design among good ones.
file(WRITE ${WORK}/not_json.vorbento "{\"format\": \"vorbento\",")
foreach(bad ${WORK}/missing.vorbento ${WORK}/not_json.vorbento ${WORK})
  execute_process(COMMAND ${VORBENTO} --results ${DIR}/axis_x.vorbento ${bad} ${DIR}/axis_y.vorbento
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(rc EQUAL 0 OR out OR NOT err MATCHES "^vorbento: ${bad}: ")
    fail("--results with ${bad}: exit ${rc}, printed ${out}, said: ${err}")
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "--results:\n${failures}")
endif()
