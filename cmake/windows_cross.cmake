# What the build for Windows (cmake/mingw-w64-x86_64.cmake) takes from the
# build machine, and how its tests run. Included from the top CMakeLists.txt
# when cross-compiling for Windows; only the plain code is built there.

if(NOT KELVOR_TABLE_ONLY)
  message(FATAL_ERROR "The Windows build has no Qt: configure it with -DKELVOR_TABLE_ONLY=ON")
endif()

# The header-only libraries are the build machine's own: their folders are
# linked into the build tree one by one, so that no other header of the
# build machine's /usr/include can reach the Windows compiler.
function(kelvor_host_headers target folder)
  find_path(_found ${folder} PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT _found)
    message(FATAL_ERROR "${folder}/ is missing from /usr/include (scripts/setup.sh test installs it)")
  endif()
  set(staged ${PROJECT_BINARY_DIR}/host-headers)
  file(MAKE_DIRECTORY ${staged})
  file(CREATE_LINK ${_found}/${folder} ${staged}/${folder} SYMBOLIC)
  add_library(${target} INTERFACE IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${staged})
  unset(_found CACHE)
endfunction()
kelvor_host_headers(CLI11::CLI11 CLI)
kelvor_host_headers(nlohmann_json::nlohmann_json nlohmann)

# Programs under wine see the build machine's / as the drive Z:. Tests that
# start another program of the build name it with this before its path.
set(KELVOR_RUN_PATH_PREFIX "Z:")

if(KELVOR_TESTS)
  # GoogleTest from Debian's sources, built for Windows.
  set(KELVOR_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  # Its own CMake files name the targets GTest::gtest and GTest::gtest_main.
  add_subdirectory(${KELVOR_GTEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

  # Each start of a program under wine costs about a second: a test program
  # is one test that runs all of its cases (CMake runs it through the
  # emulator, wine).
  function(gtest_discover_tests target)
    add_test(NAME ${target} COMMAND ${target})
  endfunction()
endif()
