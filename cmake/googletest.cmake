# GoogleTest without downloads: the native build uses Debian's libgtest-dev, the mingw builds
# compile Debian's sources from /usr/src/googletest.
if(WIN32)
  include(FetchContent)
  set(FETCHCONTENT_SOURCE_DIR_GOOGLETEST /usr/src/googletest CACHE PATH "" FORCE)
  set(FETCHCONTENT_FULLY_DISCONNECTED ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  FetchContent_Declare(googletest URL file:///dev/null)
  FetchContent_MakeAvailable(googletest)
  # GoogleTest's own sources do not pass our warning flags, and they include <chrono>, whose
  # C++20 unit suffix "\u00b5s" has no CP932 form: they are built with the UTF-8 charset.
  foreach(t gtest gtest_main)
    target_compile_options(${t} PRIVATE -w -fexec-charset=UTF-8)
  endforeach()
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)
