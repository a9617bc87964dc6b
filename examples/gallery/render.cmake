# Runs every gallery program in OUT, then renders each PostScript and EPS
# file to PNG pages with Ghostscript.  Fails if a program or Ghostscript
# fails.
cmake_policy(VERSION 3.25)
string(REPLACE "," ";" PROGRAMS "${PROGRAMS}")
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
foreach(p ${PROGRAMS})
  get_filename_component(name ${p} NAME)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ZANTOR=${OUT} ${p}
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
include(${CMAKE_CURRENT_LIST_DIR}/html_page.cmake)
if(NOT QUIET)
  file(GLOB made ${OUT}/*)
  list(LENGTH made n)
  message(STATUS "gallery: ${n} files in ${OUT}")
endif()
