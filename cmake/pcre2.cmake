# PCRE2 comes from Debian's source package and is built for the target as part of this build.
# The download is kept in a cache folder outside the build tree, so new build folders and
# second builds do not fetch it again.
set(KAMIFUDA_CACHE_DIR "${PROJECT_SOURCE_DIR}/.cache" CACHE PATH "Where downloaded sources are kept")
set(PCRE2_SOURCE_DIR "${KAMIFUDA_CACHE_DIR}/pcre2")

if(NOT EXISTS "${PCRE2_SOURCE_DIR}/CMakeLists.txt")
  set(download "${KAMIFUDA_CACHE_DIR}/pcre2-download")
  file(REMOVE_RECURSE "${download}" "${PCRE2_SOURCE_DIR}")
  file(MAKE_DIRECTORY "${download}")
  message(STATUS "Fetching PCRE2 source package with apt-get source")
  execute_process(COMMAND apt-get source --download-only pcre2
                  WORKING_DIRECTORY "${download}" RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
  file(GLOB dsc "${download}/pcre2_*.dsc")
  if(NOT rc EQUAL 0 OR NOT dsc)
    message(FATAL_ERROR "Could not fetch the pcre2 source package (run tools/setup first: it adds the deb-src entry)")
  endif()
  execute_process(COMMAND dpkg-source -x "${dsc}" "${PCRE2_SOURCE_DIR}"
                  WORKING_DIRECTORY "${download}" RESULT_VARIABLE rc OUTPUT_QUIET)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "Could not unpack the pcre2 source package")
  endif()
endif()

set(BUILD_SHARED_LIBS OFF CACHE BOOL "" FORCE)
set(BUILD_STATIC_LIBS ON CACHE BOOL "" FORCE)
set(PCRE2_SUPPORT_JIT OFF CACHE BOOL "" FORCE)
set(PCRE2_BUILD_PCRE2GREP OFF CACHE BOOL "" FORCE)
set(PCRE2_BUILD_TESTS OFF CACHE BOOL "" FORCE)
set(PCRE2_SHOW_REPORT OFF CACHE BOOL "" FORCE)
set(PCRE2_SUPPORT_UNICODE OFF CACHE BOOL "" FORCE)
add_subdirectory("${PCRE2_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/pcre2" EXCLUDE_FROM_ALL SYSTEM)

add_library(kamifuda_pcre2 INTERFACE)
target_link_libraries(kamifuda_pcre2 INTERFACE pcre2-posix-static pcre2-8-static)
target_include_directories(kamifuda_pcre2 SYSTEM INTERFACE "${PCRE2_SOURCE_DIR}/src" "${CMAKE_BINARY_DIR}/pcre2")
target_compile_definitions(kamifuda_pcre2 INTERFACE PCRE2_STATIC)
