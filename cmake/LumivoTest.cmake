# Registers the tests of one folder under tests/ as one program, discovered test
# by test, run offscreen with a Swedish locale.
function(lumivo_add_test_folder dir)
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  set(target test_${dir})
  add_executable(${target} ${srcs})
  target_link_libraries(${target} PRIVATE lumivo_test_support)
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS unit TIMEOUT 120
               ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=sv_SE.UTF-8;LC_ALL=C.UTF-8")
endfunction()
