# vx_component(NAME <lib> DEFINE <BUILDING_MACRO> SOURCES ...)
# Builds one outside component as an object library <lib>_obj (for tests that compose
# components, or replace one with a fake), a shared library <lib> and a static
# library <lib>_static. Headers of common/ (code the stand-ins share, compiled into
# each) are on every component's include path.
function(vx_component)
  cmake_parse_arguments(ARG "" "NAME;DEFINE" "SOURCES;LINK" ${ARGN})
  add_library(${ARG_NAME}_obj OBJECT ${ARG_SOURCES})
  target_include_directories(${ARG_NAME}_obj PUBLIC ${PROJECT_SOURCE_DIR}/include
                             PRIVATE ${PROJECT_SOURCE_DIR}/common)
  target_compile_definitions(${ARG_NAME}_obj PRIVATE ${ARG_DEFINE}=1)
  if(ARG_LINK)
    target_link_libraries(${ARG_NAME}_obj PUBLIC ${ARG_LINK})
  endif()
  add_library(${ARG_NAME} SHARED $<TARGET_OBJECTS:${ARG_NAME}_obj>)
  if(NOT WIN32)
    # Calls between a component's own functions go straight to them, not through its
    # procedure linkage table: no relocation to bind and no indirect jump per call.
    target_link_options(${ARG_NAME} PRIVATE LINKER:-Bsymbolic-functions)
  endif()
  target_include_directories(${ARG_NAME} PUBLIC ${PROJECT_SOURCE_DIR}/include)
  add_library(${ARG_NAME}_static STATIC $<TARGET_OBJECTS:${ARG_NAME}_obj>)
  target_include_directories(${ARG_NAME}_static PUBLIC ${PROJECT_SOURCE_DIR}/include ${PROJECT_SOURCE_DIR}/common)
  if(ARG_LINK)
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LINK})
    target_link_libraries(${ARG_NAME}_static PUBLIC ${ARG_LINK})
  endif()
endfunction()
