# norvella_add_program(<name> DESCRIPTION <text> SOURCES ... [LIBRARIES ...] [RESOURCES ...]
#                      [EXECUTION_LEVEL asInvoker|requireAdministrator] [VERSION x.y.z])
#
# A Windows GUI program of the suite: wide entry point (wWinMain), statically linked C and C++
# runtimes so that the dist folder runs on a bare Windows, a manifest (common controls 6,
# system DPI awareness) and a version resource. The executable lands in NORVELLA_DIST_DIR.
set(NORVELLA_CMAKE_DIR ${CMAKE_CURRENT_LIST_DIR})

function(norvella_add_program name)
  cmake_parse_arguments(P "" "DESCRIPTION;EXECUTION_LEVEL;VERSION" "SOURCES;LIBRARIES;RESOURCES" ${ARGN})
  if(NOT P_EXECUTION_LEVEL)
    set(P_EXECUTION_LEVEL asInvoker)
  endif()
  if(NOT P_VERSION)
    set(P_VERSION ${PROJECT_VERSION})
  endif()
  string(REPLACE "." "," P_VERSION_COMMAS "${P_VERSION}")

  set(NAME ${name})
  set(DESCRIPTION "${P_DESCRIPTION}")
  set(EXECUTION_LEVEL ${P_EXECUTION_LEVEL})
  set(VERSION ${P_VERSION})
  set(VERSION_COMMAS ${P_VERSION_COMMAS})
  set(MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${name}.manifest)
  configure_file(${NORVELLA_CMAKE_DIR}/program.manifest.in ${MANIFEST} @ONLY)
  configure_file(${NORVELLA_CMAKE_DIR}/program.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${name}_version.rc @ONLY)

  add_executable(${name} WIN32 ${P_SOURCES} ${P_RESOURCES} ${CMAKE_CURRENT_BINARY_DIR}/${name}_version.rc)
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${name}_version.rc PROPERTIES
                              OBJECT_DEPENDS ${MANIFEST})
  target_link_libraries(${name} PRIVATE ${P_LIBRARIES} norvella_warnings)
  target_compile_options(${name} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-municode>)
  target_link_options(${name} PRIVATE -municode -mwindows -static -static-libgcc -static-libstdc++ -s)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${NORVELLA_DIST_DIR})
endfunction()

# Flags for windres: the resource scripts are UTF-8.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001" CACHE STRING "" FORCE)
