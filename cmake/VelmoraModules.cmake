# One static library per part of the program. A folder's plain logic (its top
# level) and its windows (its ui/ subfolder) are two libraries: the logic links
# QtCore and QtGui only, so no window can creep into what tests run without one.
#
#   velmora_module(NAME store DIR src/store DEPENDS core settings)
#   velmora_module(NAME store_ui DIR src/store/ui UI DEPENDS store ...)
#
# A library may include headers of its own folder and of the libraries it
# depends on, directly or not; anything else stops the build (see
# cmake/CheckIncludes.cmake and docs/ARCHITECTURE.md).

function(velmora_module)
  cmake_parse_arguments(M "UI" "NAME;DIR" "DEPENDS;EXTRA" ${ARGN})
  set(dir ${CMAKE_SOURCE_DIR}/${M_DIR})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  if(NOT M_UI)
    # A logic folder's subfolders (print/pdf) are its own; ui/ is the windows'.
    list(FILTER sources EXCLUDE REGEX "/ui/")
  endif()

  # What the module may reach: itself and everything below it.
  set(reach ${M_NAME})
  foreach(dep IN LISTS M_DEPENDS)
    get_property(dep_reach GLOBAL PROPERTY VELMORA_REACH_${dep})
    list(APPEND reach ${dep} ${dep_reach})
  endforeach()
  list(REMOVE_DUPLICATES reach)
  set_property(GLOBAL PROPERTY VELMORA_REACH_${M_NAME} "${reach}")

  if(NOT sources)
    return()
  endif()
  set(target velmora_${M_NAME})
  add_library(${target} STATIC ${sources} ${M_EXTRA})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_compile_options(${target} PRIVATE ${VELMORA_WARNINGS})
  if(M_UI)
    target_link_libraries(${target} PUBLIC Qt6::Widgets Qt6::PrintSupport)
  else()
    target_link_libraries(${target} PUBLIC Qt6::Core Qt6::Gui)
  endif()

  foreach(dep IN LISTS reach)
    if(NOT dep STREQUAL M_NAME AND TARGET velmora_${dep})
      target_link_libraries(${target} PUBLIC velmora_${dep})
    endif()
  endforeach()

  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/includes/${M_NAME}.sources)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/includes/${M_NAME}.ok)
  string(REPLACE ";" "\n" lines "${sources}")
  file(WRITE ${list_file} "${lines}\n")
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DLIBRARY=${M_NAME} "-DALLOWED=${reach}" -DSOURCES_FILE=${list_file}
            -DSTAMP=${stamp} -P ${CMAKE_SOURCE_DIR}/cmake/CheckIncludes.cmake
    DEPENDS ${sources} ${list_file} ${CMAKE_SOURCE_DIR}/cmake/CheckIncludes.cmake
    COMMENT "Checking the includes of ${M_NAME}"
    VERBATIM)
  add_custom_target(${target}_includes DEPENDS ${stamp})
  add_dependencies(${target} ${target}_includes)
endfunction()
