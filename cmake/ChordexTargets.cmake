# chordex_library(NAME DIR <folder under src> LIBS <link libraries...> [EXCLUDE <file names...>])
# Every .cpp/.h in the folder belongs to the library, so adding a class needs no edit here.
function(chordex_library name)
  cmake_parse_arguments(ARG "" "DIR" "LIBS;EXCLUDE" ${ARGN})
  file(GLOB files CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/src/${ARG_DIR}/*.cpp
       ${PROJECT_SOURCE_DIR}/src/${ARG_DIR}/*.h)
  foreach(ex IN LISTS ARG_EXCLUDE)
    list(FILTER files EXCLUDE REGEX "/${ex}$")
  endforeach()
  set(sources ${files})
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  if(sources)
    add_library(${name} STATIC ${files})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${PROJECT_BINARY_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  else()
    # A folder whose classes are still to come: an interface target keeps the graph whole.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src ${PROJECT_BINARY_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
  endif()
endfunction()
