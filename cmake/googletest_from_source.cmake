# GoogleTest built from source for the target, where no prebuilt library for it exists (the
# Windows cross build: Debian's package googletest puts the sources in /usr/src/googletest).
# Gives the same targets as find_package(GTest): GTest::gtest, GTest::gtest_main, GTest::gmock.
set(CW_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source folder")
if(NOT EXISTS ${CW_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${CW_GOOGLETEST_SOURCE} (apt-get install googletest)")
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
# Its headers are system headers for our code, which builds with warnings as errors.
if(CMAKE_VERSION VERSION_GREATER_EQUAL 3.25)
  add_subdirectory(${CW_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  add_subdirectory(${CW_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

# GoogleTest's own build names them GTest::... already; older releases did not.
foreach(library gtest gtest_main gmock)
  if(NOT TARGET GTest::${library})
    add_library(GTest::${library} ALIAS ${library})
  endif()
endforeach()
