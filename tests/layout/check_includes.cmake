# Checks that the source folders are layers: a source may include headers of
# its own folder and of the folders below it, never of a folder above.
# Run as: cmake -DSOURCE_DIR=<top of the sources> -P check_includes.cmake
set(layers platform engine compute files forms ui)

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
  ${SOURCE_DIR}/platform/*.h ${SOURCE_DIR}/platform/*.cpp
  ${SOURCE_DIR}/engine/*.h ${SOURCE_DIR}/engine/*.cpp
  ${SOURCE_DIR}/compute/*.h ${SOURCE_DIR}/compute/*.cpp
  ${SOURCE_DIR}/files/*.h ${SOURCE_DIR}/files/*.cpp
  ${SOURCE_DIR}/forms/*.h ${SOURCE_DIR}/forms/*.cpp
  ${SOURCE_DIR}/ui/*.h ${SOURCE_DIR}/ui/*.cpp)

set(faults 0)
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" folder ${source})
  list(FIND layers ${folder} rank)
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[^\"]*\"([^/\"]+)/.*$" "\\1" target ${line})
    list(FIND layers ${target} target_rank)
    if(target_rank GREATER rank)
      message(SEND_ERROR "${source} (${folder}) includes a higher folder: ${line}")
      math(EXPR faults "${faults} + 1")
    endif()
  endforeach()
endforeach()
list(LENGTH sources count)
if(faults GREATER 0)
  message(FATAL_ERROR "${faults} includes run upward")
endif()
message(STATUS "${count} sources, every include runs downward")
