# `vorbento --pdf` on a design with a wrong mass and a bore wider than its
# wheel: the report must be a real A4 document holding every field's text as
# the window shows it and the words of every mark; a file it cannot read or a
# place it cannot write is refused with a non-zero exit and no PDF.
# No display at all: the command must pick its platform itself.
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(pdf ${WORK}/stale_design.pdf)
set(failures "")
macro(fail what)
  string(APPEND failures "  ${what}\n")
endmacro()

execute_process(COMMAND ${VORBENTO} --pdf ${pdf} ${DIR}/stale_design.vorbento RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT EXISTS ${pdf})
  message(FATAL_ERROR "vorbento --pdf exited with ${rc}: ${err}")
endif()

# Six pages: the inputs (two of them marked, so the motion times go over),
# the results, the motion cycle, and the two formula pictures.
execute_process(COMMAND ${PDFINFO} -f 1 -l 99 ${pdf} OUTPUT_VARIABLE info)
if(NOT info MATCHES "\nPages: +6\n")
  fail("not 6 pages")
endif()
string(REGEX MATCHALL "Page +[0-9]+ size: [^\n]*" sizes "${info}")
foreach(size IN LISTS sizes)
  if(NOT size MATCHES "595(\\.[0-9]+)? x 842(\\.[0-9]+)? pts \\(A4\\)")
    fail("not A4 portrait: ${size}")
  endif()
endforeach()
if(NOT info MATCHES "(^|\n)Title: +Vorbento – stale_design.vorbento\n" OR NOT info MATCHES "\nCreator: +Vorbento V 0.2\n")
  fail("title or creator missing:\n${info}")
endif()

# Every font embedded: the "emb" column of each row after the two head lines.
execute_process(COMMAND ${PDFFONTS} ${pdf} OUTPUT_VARIABLE fonts)
string(REGEX REPLACE "^[^\n]*\n[^\n]*\n" "" font_rows "${fonts}")
string(REGEX MATCHALL "[^\n]+" font_rows "${font_rows}")
if(NOT font_rows)
  fail("no fonts")
endif()
foreach(row IN LISTS font_rows)
  if(NOT row MATCHES " (yes|no) +(yes|no) +(yes|no) +[0-9]+ +[0-9]+$" OR NOT CMAKE_MATCH_1 STREQUAL "yes")
    fail("font not embedded: ${row}")
  endif()
endforeach()

# Vectors only: the formulas and the motion cycle are drawn, not pasted in as pictures.
execute_process(COMMAND ${PDFIMAGES} -list ${pdf} OUTPUT_VARIABLE images)
string(REGEX MATCHALL "[^\n]+" image_rows "${images}")
list(LENGTH image_rows image_lines)
if(image_lines GREATER 2)
  fail("raster images:\n${images}")
endif()

# The text as a reader copies it out: every value as one word, the marks'
# words as phrases (a long one may wrap onto the next line).
execute_process(COMMAND ${PDFTOTEXT} -enc UTF-8 ${pdf} - OUTPUT_VARIABLE text)
string(ASCII 12 page_break)
string(REGEX REPLACE "[ \t\r\n${page_break}]+" " " text " ${text} ")
# Lines of a file as a list; a ";" inside a line (the marks join their
# reasons with it) stays part of that line.
function(read_lines file out)
  file(READ ${file} content)
  string(REPLACE ";" "@semicolon@" content "${content}")
  string(REGEX REPLACE "\n$" "" content "${content}")
  string(REPLACE "\n" ";" content "${content}")
  set(${out} "${content}" PARENT_SCOPE)
endfunction()
read_lines(${DIR}/stale_design.texts texts)
list(LENGTH texts count)
if(NOT count EQUAL 54)
  fail("the fixture lists ${count} fields, not 54")
endif()
foreach(line IN LISTS texts)
  string(REGEX MATCH "^([a-z0-9]+)=(.*)$" _ "${line}")
  string(FIND "${text}" " ${CMAKE_MATCH_2} " at)
  if(at LESS 0)
    fail("${CMAKE_MATCH_1}: \"${CMAKE_MATCH_2}\" not in the text")
  endif()
endforeach()
# The motion cycle after the results and before the formulas, its table with
# every duration and torque as the fields show them, and its notes naming the
# stale torques with their marks' words.
string(FIND "${text}" " Mozgásciklus " cycle_at)
string(FIND "${text}" " Gyorsítás G1-re " table_at)
string(FIND "${text}" " Kimenő adatok " results_at)
string(FIND "${text}" " Fordulatszám, gyorulási idő " formulas_at)
if(cycle_at LESS 0 OR table_at LESS cycle_at OR cycle_at LESS results_at OR formulas_at LESS table_at)
  fail("the Mozgásciklus section is missing or out of place")
endif()
file(READ ${DIR}/stale_design.texts fixture)
foreach(cell "t_gyG1=tgyg1" "t_G1=tg1" "t_lG1=tlg1" "t_gyG0=tgyg0" "t_G0=tg0" "t_lG0=tlg0" "t_c=tc"
             "M_gyG1=mgyg1" "M_eG1=meg1" "M_gyG0=mgyg0" "M_eG0=meg0" "M_mmax=mmmax" "M_m=mm" "M_átlag=matlag")
  string(REPLACE "=" ";" cell "${cell}")
  list(GET cell 0 symbol)
  list(GET cell 1 name)
  string(REGEX MATCH "(^|\n)${name}=([^\n]*)" _ "${fixture}")
  string(FIND "${text}" " ${symbol} = ${CMAKE_MATCH_2} " at)
  if(at LESS table_at)
    fail("the cycle's table lacks \"${symbol} = ${CMAKE_MATCH_2}\"")
  endif()
endforeach()
string(FIND "${text}" "MgyG1: Nem követi a bemenő adatokat: m nem szám" note_at)
if(note_at LESS cycle_at)
  fail("the diagram does not name the stale M_gyG1 with its words")
endif()

read_lines(${DIR}/stale_design.words words)
foreach(phrase IN LISTS words)
  string(REPLACE "@semicolon@" ";" phrase "${phrase}")
  string(FIND "${text}" " ${phrase} " at)
  if(at LESS 0)
    fail("\"${phrase}\" not in the text")
  endif()
endforeach()

# Refusals: nothing readable, nowhere to write.
file(WRITE ${WORK}/not_json.vorbento "{\"format\": \"vorbento\",")
file(MAKE_DIRECTORY ${WORK}/folder)
foreach(case
    "${WORK}/out1.pdf;${WORK}/missing.vorbento"
    "${WORK}/out2.pdf;${WORK}/not_json.vorbento"
    "${WORK}/out3.pdf;${WORK}/folder"
    "${WORK}/folder"
    "${pdf}/inside.pdf")
  list(GET case 0 out)
  execute_process(COMMAND ${VORBENTO} --pdf ${case} RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(rc EQUAL 0 OR NOT err MATCHES "vorbento: ")
    fail("--pdf ${case}: exit ${rc}, said: ${err}")
  endif()
  if(NOT out STREQUAL "${WORK}/folder" AND EXISTS ${out})
    fail("--pdf ${case} left ${out}")
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "the report's PDF:\n${failures}")
endif()
