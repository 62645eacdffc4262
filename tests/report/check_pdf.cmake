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

# Eight pages: the inputs (two of them marked, so the motion times go over),
# the results, the motion cycle, the motor and screw check with its plane and
# notes (two pages), and the two formula pictures.
execute_process(COMMAND ${PDFINFO} -f 1 -l 99 ${pdf} OUTPUT_VARIABLE info)
if(NOT info MATCHES "\nPages: +8\n")
  fail("not 8 pages")
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

# The check after the motion cycle and before the formulas: an old design's
# catalogue data not given, the figures needing it saying so, and the thrust
# from the bad mass named with the mass's words.
string(FIND "${text}" " Motor és orsó ellenőrzése " check_at)
if(check_at LESS table_at OR formulas_at LESS check_at)
  fail("the motor and screw check is missing or out of place")
endif()
foreach(phrase "n max nincs megadva" "F_kih = nincs megadva" "Fax – m: Nem szám" "a csapágyak távolságát jelenti")
  string(FIND "${text}" "${phrase}" at)
  if(at LESS check_at)
    fail("the check lacks \"${phrase}\"")
  endif()
endforeach()

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

# Three axes in one PDF, the last with a bad mass and a bore too wide: first
# their summary, each cell as the design shows it (the replay tool's texts),
# then each design's report under its own name, pages numbered through.
set(axes ${DIR}/axis_x.vorbento ${DIR}/axis_y.vorbento ${DIR}/stale_design.vorbento)
set(axes_pdf ${WORK}/axes.pdf)
execute_process(COMMAND ${VORBENTO} --pdf ${axes_pdf} ${axes} RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "vorbento --pdf with three designs exited with ${rc}: ${err}")
endif()
function(page_count pdf out)
  execute_process(COMMAND ${PDFINFO} ${pdf} OUTPUT_VARIABLE info)
  string(REGEX MATCH "\nPages: +([0-9]+)\n" _ "${info}")
  set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()
set(expected_pages 1)
set(owners "summary")  # whose report each page belongs to
set(values_by_design "")
foreach(design IN LISTS axes)
  get_filename_component(name ${design} NAME)
  execute_process(COMMAND ${VORBENTO} --pdf ${WORK}/alone.pdf ${design} RESULT_VARIABLE rc)
  page_count(${WORK}/alone.pdf alone)
  math(EXPR expected_pages "${expected_pages} + ${alone}")
  foreach(k RANGE 1 ${alone})
    list(APPEND owners ${name})
  endforeach()
  execute_process(COMMAND ${VORBENTO} --results ${design} OUTPUT_VARIABLE table)
  string(REPLACE ";" "@semicolon@" table "${table}")
  list(APPEND values_by_design "${table}")
endforeach()
page_count(${axes_pdf} pages)
if(NOT pages EQUAL expected_pages)
  fail("three designs: ${pages} pages, not the summary and ${expected_pages} - 1")
endif()
foreach(page RANGE 1 ${pages})
  execute_process(COMMAND ${PDFTOTEXT} -enc UTF-8 -f ${page} -l ${page} ${axes_pdf} - OUTPUT_VARIABLE page_text)
  math(EXPR k "${page} - 1")
  list(GET owners ${k} owner)
  if(NOT page_text MATCHES "\n${page} / ${pages}\n")
    fail("page ${page} is not numbered ${page} / ${pages}")
  endif()
  if(NOT owner STREQUAL "summary" AND NOT page_text MATCHES "\n${owner}\n")
    fail("page ${page}'s header does not name ${owner}")
  endif()
endforeach()

# The summary page as laid out: the column heads in order, and for each of
# the 23 quantities one line holding the three designs' texts in order, a
# marked one followed by its note's number.
execute_process(COMMAND ${PDFTOTEXT} -enc UTF-8 -layout -f 1 -l 1 ${axes_pdf} - OUTPUT_VARIABLE summary)
if(NOT summary MATCHES "Tengelyek összesítése" OR NOT summary MATCHES "axis_x.vorbento +axis_y.vorbento +stale_design.vorbento")
  fail("the summary's title or column heads:\n${summary}")
endif()
foreach(field tgyg1 tlg1 tgyg0 tlg0 meg1 meg0 mgyg1 mgyg0 mlg1 mlg0 matlag peg1 pgylg1 peg0 pgylg0
              jtomeg jorso jok jmk jtk jossz mm mmmax)
  set(pattern "")
  foreach(table IN LISTS values_by_design)
    string(REGEX MATCH "\t${field}\t[^\t]*\t([^\t]*)\t" _ "${table}")
    string(REGEX REPLACE "([.+-])" "\\\\\\1" value "${CMAKE_MATCH_1}")
    string(APPEND pattern " +${value}( [0-9]+)?")
  endforeach()
  if(NOT summary MATCHES "${pattern}\n")
    fail("${field}: no summary line${pattern}")
  endif()
endforeach()
string(REGEX REPLACE "[ \t\r\n${page_break}]+" " " summary " ${summary} ")
foreach(phrase IN LISTS words)
  string(REPLACE "@semicolon@" ";" phrase "${phrase}")
  if(phrase MATCHES "^Nem követi" AND NOT summary MATCHES "[0-9] ${phrase} ")
    fail("the summary's notes lack \"${phrase}\"")
  endif()
endforeach()

# All or nothing: one refused design among good ones leaves OUT as it was.
file(COPY_FILE ${pdf} ${WORK}/kept.pdf)
file(SHA256 ${WORK}/kept.pdf before)
execute_process(COMMAND ${VORBENTO} --pdf ${WORK}/kept.pdf ${DIR}/axis_x.vorbento ${WORK}/not_json.vorbento
                        ${DIR}/axis_y.vorbento RESULT_VARIABLE rc ERROR_VARIABLE err)
file(SHA256 ${WORK}/kept.pdf after)
if(rc EQUAL 0 OR NOT err MATCHES "vorbento: ${WORK}/not_json.vorbento: " OR NOT before STREQUAL after)
  fail("--pdf with a refused design: exit ${rc}, said: ${err}, OUT changed: ${before} ${after}")
endif()

if(failures)
  message(FATAL_ERROR "the report's PDF:\n${failures}")
endif()
