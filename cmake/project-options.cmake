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

# A unit-test program: GoogleTest with our main, registered with ctest.
# Programs that build forms pass RESOURCES so the form data and icons are linked in.
function(kamifuda_add_unit_test name)
  cmake_parse_arguments(T "RESOURCES" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  kamifuda_target_options(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} kamifuda_test_main)
  if(T_RESOURCES)
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/resources/kamifuda.rc)
    target_link_libraries(${name} PRIVATE kamifuda_resources)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300 LABELS unit)
endfunction()
