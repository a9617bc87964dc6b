# Runs every gallery program in OUT (the screen program under xvfb-run), then renders each PostScript and EPS
# file to PNG pages with Ghostscript, each PDF with pdftoppm and each SVG
# with rsvg-convert (after qpdf and xmllint checked them), each EMF
# through emf2svg-conv as an SVG.  Fails if a
# program or a reader fails.  Writes index.html showing every picture.
cmake_policy(VERSION 3.25)
string(REPLACE "," ";" PROGRAMS "${PROGRAMS}")
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
# The screen program draws on a private virtual X server, never on the
# display of the machine.
find_program(XVFB_RUN xvfb-run)
foreach(p ${PROGRAMS})
  get_filename_component(name ${p} NAME)
  set(screen "")
  if(name STREQUAL "gallery_screens")
    if(NOT XVFB_RUN)
      message(STATUS "gallery: no xvfb-run, the screen pictures are left out")
      continue()
    endif()
    # From display 950 up: the window tests take numbers below 900.  The
    # leak check of a sanitizer build ignores what the toolkit keeps.
    set(screen LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/x_toolkit.supp
               ${XVFB_RUN} -a -n 950 -s "-screen 0 1280x1024x24")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ZANTOR=${OUT} ${screen} ${p}
                  WORKING_DIRECTORY ${OUT} RESULT_VARIABLE rc
                  OUTPUT_FILE ${OUT}/${name}.log ERROR_FILE ${OUT}/${name}.log)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${name} failed (${rc}); see ${OUT}/${name}.log")
  endif()
endforeach()
find_program(GS gs)
file(GLOB pictures ${OUT}/*.ps ${OUT}/*.eps ${OUT}/*.psc)
foreach(f ${pictures})
  if(NOT GS)
    break()
  endif()
  get_filename_component(stem ${f} NAME_WE)
  get_filename_component(ext ${f} EXT)
  string(REPLACE "." "" ext "${ext}")
  set(eps "")
  if("${ext}" STREQUAL "eps")
    set(eps -dEPSCrop)
  endif()
  execute_process(COMMAND ${GS} -q -dSAFER -dBATCH -dNOPAUSE ${eps} -sDEVICE=png16m -r72
                          -dTextAlphaBits=4 -dGraphicsAlphaBits=4
                          -sOutputFile=${OUT}/${stem}-${ext}-%d.png ${f}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE gsout ERROR_VARIABLE gsout)
  if(NOT rc EQUAL 0 OR NOT gsout STREQUAL "")
    message(FATAL_ERROR "Ghostscript rejects ${f}:\n${gsout}")
  endif()
endforeach()
# Every PDF passes qpdf's check and is rendered by pdftoppm; every SVG is
# well-formed XML for xmllint and is rendered by rsvg-convert.
find_program(QPDF qpdf)
find_program(PDFTOPPM pdftoppm)
file(GLOB documents ${OUT}/*.pdf)
foreach(f ${documents})
  get_filename_component(stem ${f} NAME_WE)
  if(QPDF)
    execute_process(COMMAND ${QPDF} --check ${f} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                    ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "qpdf rejects ${f}:\n${out}")
    endif()
  endif()
  if(PDFTOPPM)
    execute_process(COMMAND ${PDFTOPPM} -r 72 -png ${f} ${OUT}/${stem}-pdf
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
      message(FATAL_ERROR "pdftoppm rejects ${f}:\n${out}")
    endif()
  endif()
endforeach()
# Every EMF is turned into an SVG by emf2svg-conv, which the SVG checks
# below then read and render.
find_program(EMF2SVG emf2svg-conv)
file(GLOB metafiles ${OUT}/*.emf)
foreach(f ${metafiles})
  if(NOT EMF2SVG)
    break()
  endif()
  get_filename_component(stem ${f} NAME_WE)
  execute_process(COMMAND ${EMF2SVG} -w 900 -i ${f} -o ${OUT}/${stem}-emf.svg
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "emf2svg-conv rejects ${f}:\n${out}")
  endif()
endforeach()
find_program(XMLLINT xmllint)
find_program(RSVG rsvg-convert)
file(GLOB drawings ${OUT}/*.svg)
foreach(f ${drawings})
  get_filename_component(stem ${f} NAME_WE)
  if(XMLLINT)
    execute_process(COMMAND ${XMLLINT} --noout ${f} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                    ERROR_VARIABLE out)
    if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
      message(FATAL_ERROR "xmllint rejects ${f}:\n${out}")
    endif()
  endif()
  if(RSVG)
    execute_process(COMMAND ${RSVG} -b white -o ${OUT}/${stem}-svg.png ${f}
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
      message(FATAL_ERROR "rsvg-convert rejects ${f}:\n${out}")
    endif()
  endif()
endforeach()
include(${CMAKE_CURRENT_LIST_DIR}/html_page.cmake)
if(NOT QUIET)
  file(GLOB made ${OUT}/*)
  list(LENGTH made n)
  message(STATUS "gallery: ${n} files in ${OUT}")
endif()
