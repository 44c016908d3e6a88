# One CTest test per test executable: every process start under Wine costs time.
# lm_add_wine_test(<target> [DISPLAY]) registers <target>, run under Wine with the
# build tree's prefix; DISPLAY marks a program that opens real windows (Xvfb).
function(lm_add_wine_test target)
  cmake_parse_arguments(ARG "DISPLAY" "" "" ${ARGN})
  add_test(NAME ${target} COMMAND ${target})
  set(env "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix" "WINEDEBUG=-all")
  if(ARG_DISPLAY)
    list(APPEND env "LM_NEEDS_DISPLAY=1")
    set_property(TEST ${target} APPEND PROPERTY LABELS display)
  endif()
  set_tests_properties(${target} PROPERTIES
    ENVIRONMENT "${env}"
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
    TIMEOUT 300)
endfunction()
