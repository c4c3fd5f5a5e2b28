# Run at build time for one library: every project include of its sources must
# name a folder the library may depend on. Called with
#   -DLIBRARY=name -DALLOWED="core;store;..." -DSOURCES_FILE=list -DSTAMP=file
file(STRINGS "${SOURCES_FILE}" sources)
set(errors "")
foreach(src IN LISTS sources)
  file(STRINGS "${src}" includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^\"]+\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"]+)\".*" "\\1" header "${line}")
    # Only includes of the form "folder/..." name a part of the program.
    if(NOT header MATCHES "/")
      continue()
    endif()
    if(header MATCHES "^([^/]+)/ui/")
      set(folder "${CMAKE_MATCH_1}_ui")
    else()
      string(REGEX REPLACE "/.*" "" folder "${header}")
    endif()
    list(FIND ALLOWED "${folder}" found)
    if(found EQUAL -1)
      string(APPEND errors "  ${src}: #include \"${header}\" (${folder} is not below ${LIBRARY})\n")
    endif()
  endforeach()
endforeach()
if(errors)
  message(FATAL_ERROR "Includes against the direction of the layers in ${LIBRARY}:\n${errors}"
                      "See docs/ARCHITECTURE.md.")
endif()
file(WRITE "${STAMP}" "ok\n")
