# Warnings for our own code only; third-party headers come in as system headers.
add_library(lm_warnings INTERFACE)
target_compile_options(lm_warnings INTERFACE -Wall -Wextra -Werror)
# Windows headers: Unicode entry points, no min/max macros, lean windows.h.
add_library(lm_windows INTERFACE)
target_compile_definitions(lm_windows INTERFACE
  UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
