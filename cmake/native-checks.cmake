# The native checking build: the platform-free folders compiled with the host's compiler against
# Debian's PCRE2, with AddressSanitizer and UndefinedBehaviorSanitizer, plus libFuzzer targets when
# the compiler is clang. Configure with -DKAMIFUDA_NATIVE_CHECKS=ON and no toolchain file
# (tools/native-checks does this).

# Every object of this build, GoogleTest included, is instrumented, so a fault in any of them stops
# the test program with a report instead of going unnoticed. -O1 keeps the tests quick and the
# reports readable.
add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -O1 -g)
add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)

if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  set(KAMIFUDA_FUZZ ON)
  # Coverage instrumentation for libFuzzer; the fuzzer's own main is linked only into the fuzz targets.
  add_compile_options(-fsanitize=fuzzer-no-link)
else()
  set(KAMIFUDA_FUZZ OFF)
  message(STATUS "Not clang: the fuzz targets are left out")
endif()

# GoogleTest would include glibc's <regex.h> for its death-test patterns, whose regex_t clashes with
# PCRE2's. Its own simple matcher serves instead; set for every target so all agree on the layout.
add_compile_definitions(GTEST_HAS_POSIX_RE=0)

# PCRE2 of the host system; its POSIX header maps regcomp and friends onto pcre2_regcomp and so on,
# so glibc's own regex functions are never reached.
find_package(PkgConfig REQUIRED)
pkg_check_modules(PCRE2_POSIX REQUIRED IMPORTED_TARGET libpcre2-posix libpcre2-8)
add_library(kamifuda_pcre2 INTERFACE)
target_link_libraries(kamifuda_pcre2 INTERFACE PkgConfig::PCRE2_POSIX)
