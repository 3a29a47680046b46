# Writes the help file's table of contents (HHC) and index (HHK) from the help
# page: a contents entry for each section (<h2 id=...>), and index entries for
# the sections and for each button or choice the page names in bold, pointing
# at the section that first names it. A section without an id fails the build,
# as its entry could not point at it.
# Usage: cmake -DPAGE=Lexiquarium.html -DCONTENTS=x.hhc -DINDEX=x.hhk -P help_contents.cmake
cmake_minimum_required(VERSION 3.25)
file(READ ${PAGE} page)
# The one entity the marks use; and no ';', which would split them as a list.
string(REPLACE "&hellip;" "..." page "${page}")
get_filename_component(page_name ${PAGE} NAME)
string(REGEX MATCH "<h1>([^<]*)</h1>" title "${page}")
set(title ${CMAKE_MATCH_1})

function(entry out name local)
  string(APPEND ${out} "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"${name}\">"
         "<param name=\"Local\" value=\"${local}\"></OBJECT>\n")
  set(${out} "${${out}}" PARENT_SCOPE)
endfunction()

set(sections "")
set(keywords "")
set(anchor ${page_name})
set(named "")
string(REGEX MATCHALL "<h2[^>]*>[^<]*</h2>|<b>[^<]*</b>" marks "${page}")
foreach(mark IN LISTS marks)
  string(REGEX REPLACE "[ \t\r\n]+" " " mark "${mark}")
  if(mark MATCHES "^<h2 id=\"([^\"]+)\">([^<]*)</h2>$")
    set(anchor ${page_name}\#${CMAKE_MATCH_1})
    set(name ${CMAKE_MATCH_2})
    entry(sections "${name}" ${anchor})
  elseif(mark MATCHES "^<h2")
    message(FATAL_ERROR "${PAGE}: a section without an id: ${mark}")
  elseif(mark MATCHES "^<b>([^<]*)</b>$")
    set(name ${CMAKE_MATCH_1})
  endif()
  if(NOT name IN_LIST named)
    list(APPEND named "${name}")
    list(APPEND keywords "${name}|${anchor}")
  endif()
endforeach()
list(SORT keywords CASE INSENSITIVE)
set(index "")
foreach(keyword IN LISTS keywords)
  string(REPLACE "|" ";" parts "${keyword}")
  list(GET parts 0 name)
  list(GET parts 1 local)
  entry(index "${name}" ${local})
endforeach()

set(head "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\n<HTML><HEAD></HEAD><BODY>\n")
entry(top "${title}" ${page_name})
file(WRITE ${CONTENTS} "${head}<UL>\n${top}<UL>\n${sections}</UL>\n</UL>\n</BODY></HTML>\n")
file(WRITE ${INDEX} "${head}<UL>\n${index}</UL>\n</BODY></HTML>\n")
