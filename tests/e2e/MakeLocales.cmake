# Makes the two locales of the ctest entry kamifuda_e2e_foreign_locale in LOCALE_DIR, unless they
# are there: Japanese, whose code page Wine takes for the ANSI code page, and US English for the
# user's locale. LOCPATH names the only place glibc then looks, so both are made. localedef comes
# with glibc, the locales' sources with Debian's package "locales" (tools/setup installs it).
#
#   cmake -DLOCALE_DIR=<folder> -P MakeLocales.cmake
foreach(locale ja_JP en_US)
  set(made "${LOCALE_DIR}/${locale}.UTF-8.made")
  if(EXISTS "${made}")
    continue()
  endif()
  file(MAKE_DIRECTORY "${LOCALE_DIR}")
  # Exit code 1 means warnings, with the locale written.
  execute_process(COMMAND localedef -i ${locale} -f UTF-8 "${LOCALE_DIR}/${locale}.UTF-8"
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT (result STREQUAL "0" OR result STREQUAL "1") OR NOT EXISTS "${LOCALE_DIR}/${locale}.UTF-8/LC_CTYPE")
    message(FATAL_ERROR "localedef could not make ${locale}.UTF-8 (${result}): ${output}")
  endif()
  file(TOUCH "${made}")
endforeach()
