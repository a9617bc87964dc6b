# Writes OUT/index.html: every picture of the gallery on one page, grouped
# by the program that drew it, with links to the files each program wrote
# in the other formats.
file(GLOB logs RELATIVE ${OUT} ${OUT}/gallery_*.log)
list(SORT logs)
file(GLOB unshown RELATIVE ${OUT} ${OUT}/*)
list(FILTER unshown EXCLUDE REGEX "^(gallery_.*\\.log|index\\.html|zantor\\.log)$")
set(html "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n")
string(APPEND html "<title>zantor gallery</title>\n<style>\n"
  "body{font-family:sans-serif;margin:2em;background:#f4f4f4}\n"
  "div.pic{display:inline-block;margin:0 1em 1em 0;background:#fff;padding:.5em;"
  "box-shadow:0 1px 3px #999;vertical-align:top}\n"
  "img{max-width:600px;display:block}\ndiv.pic span{font-size:small;color:#444}\n"
  "</style>\n</head>\n<body>\n<h1>zantor gallery</h1>\n")
# Pictures whose names do not start with a program's name come last.
list(APPEND logs gallery_more.log)
foreach(log ${logs})
  string(REGEX REPLACE "^gallery_(.*)\\.log$" "\\1" page "${log}")
  if(page STREQUAL "more")
    set(files ${unshown})
  else()
    file(GLOB files RELATIVE ${OUT} ${OUT}/${page}*)
  endif()
  if(NOT files)
    continue()
  endif()
  list(REMOVE_ITEM unshown ${files})
  list(SORT files COMPARE NATURAL)
  string(APPEND html "<h2>${page}</h2>\n")
  set(others "")
  foreach(f ${files})
    if(f MATCHES "\\.png$")
      string(APPEND html "<div class=\"pic\"><a href=\"${f}\"><img src=\"${f}\" alt=\"${f}\" loading=\"lazy\"></a>"
                         "<span>${f}</span></div>\n")
    else()
      string(APPEND others " <a href=\"${f}\">${f}</a>")
    endif()
  endforeach()
  if(others)
    string(APPEND html "<p>Files:${others}</p>\n")
  endif()
endforeach()
string(APPEND html "</body>\n</html>\n")
file(WRITE ${OUT}/index.html "${html}")
