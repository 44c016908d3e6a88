# The cross compiler sees a dedicated include folder holding only the headers we use
# (Boost, fmt, moodycamel ConcurrentQueue), never the host's whole /usr/include.
set(LM_DEPS_INCLUDE ${CMAKE_BINARY_DIR}/deps/include)
file(MAKE_DIRECTORY ${LM_DEPS_INCLUDE})
foreach(dep boost fmt concurrentqueue)
  if(NOT EXISTS /usr/include/${dep})
    message(FATAL_ERROR "/usr/include/${dep} is missing: run scripts/install-deps.sh")
  endif()
  file(CREATE_LINK /usr/include/${dep} ${LM_DEPS_INCLUDE}/${dep} SYMBOLIC)
endforeach()

add_library(lm_thirdparty INTERFACE)
target_include_directories(lm_thirdparty SYSTEM INTERFACE ${LM_DEPS_INCLUDE})
# fmt is used header-only; Boost needs no compiled library for what we take.
target_compile_definitions(lm_thirdparty INTERFACE FMT_HEADER_ONLY BOOST_ALL_NO_LIB
  # property_tree's JSON parser includes the old boost/bind.hpp, which otherwise prints a
  # deprecation message in every file that reads JSON.
  BOOST_BIND_GLOBAL_PLACEHOLDERS)

# GoogleTest from Debian's sources, built by the cross compiler.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
