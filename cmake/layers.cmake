# Each layer's target publishes an include root of its own, made here of links
# to that folder's headers and to no other. A target sees the headers of the
# layers it links and nothing else, so an include that runs the wrong way (the
# core reaching for ui/, ui/ for a front end) finds no file and fails to build.
#
# lexi_layer(<target> <folder> [INTERFACE]) links the headers right in <folder>,
# not those of its subfolders, which are layers of their own.
function(lexi_layer target folder)
  set(scope PUBLIC)
  if(ARGN STREQUAL "INTERFACE")
    set(scope INTERFACE)
  endif()
  set(root ${PROJECT_BINARY_DIR}/layers/${target})
  file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${folder})
  foreach(header IN LISTS headers)
    get_filename_component(name ${header} NAME)
    file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
  endforeach()
  target_include_directories(${target} ${scope} ${root})
endfunction()
