# Compiler settings every target of ours shares. Third-party code (PCRE2, GoogleTest) does not get them.
function(kamifuda_target_options target)
  target_compile_features(${target} PUBLIC cxx_std_20)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  if(WIN32)
    # The program calls the ANSI (A) and wide (W) functions by their explicit names.
    target_compile_definitions(${target} PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                               _WIN32_WINNT=0x0601 WINVER=0x0601 STRICT)
  endif()
endfunction()

# Links the resource script (form data, icons, version, manifest) into a program. windres does not
# report the files the script names, so they are listed here: editing a form rebuilds the resources.
function(kamifuda_add_resources target)
  set(rc "${PROJECT_SOURCE_DIR}/resources/kamifuda.rc")
  file(GLOB inputs CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/resources/forms/*.form"
       "${PROJECT_SOURCE_DIR}/resources/*.ico" "${PROJECT_SOURCE_DIR}/resources/*.rc"
       "${PROJECT_SOURCE_DIR}/resources/*.manifest")
  target_sources(${target} PRIVATE "${rc}")
  set_source_files_properties("${rc}" PROPERTIES OBJECT_DEPENDS "${inputs}")
  target_link_libraries(${target} PRIVATE kamifuda_resources)
endfunction()

# Test code of the Windows builds: most of its compile time went to optimising GoogleTest's
# templates, which the tests do not need, and to parsing GoogleTest and windows.h. So it is built
# without optimisation and takes those headers precompiled from kamifuda_test_main (built with the
# same options, as a precompiled header requires). The program's libraries that the tests link
# keep the optimisation they ship with.
function(kamifuda_test_program_options target)
  if(WIN32)
    target_precompile_headers(${target} REUSE_FROM kamifuda_test_main)
    target_compile_options(${target} PRIVATE -O0)
  endif()
endfunction()

# A unit-test program: GoogleTest with our main, registered with ctest.
# Programs that build forms pass RESOURCES so the form data and icons are linked in.
function(kamifuda_add_unit_test name)
  cmake_parse_arguments(T "RESOURCES" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  kamifuda_target_options(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} kamifuda_test_main)
  kamifuda_test_program_options(${name})
  if(T_RESOURCES)
    kamifuda_add_resources(${name})
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300 LABELS unit)
endfunction()
