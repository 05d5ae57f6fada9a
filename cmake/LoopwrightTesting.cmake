# Helpers shared by the test folders.
#
#   loopwright_add_gtest(NAME name SOURCES a.cpp b.cpp LIBS lib1 lib2 [OFFSCREEN]
#                        [TIMEOUT seconds])
#
# builds a GoogleTest program and registers each of its test cases with CTest
# on its own (gtest_discover_tests), so that a failure names its case and
# ctest can run the cases in parallel; with OFFSCREEN, QT_QPA_PLATFORM is set
# to offscreen so that a widget test never needs a display. Every test runs
# with the C locale pinned, so number texts never depend on the machine's
# settings. The cases are listed when the tests run (a widget test program's
# main() sets the offscreen platform itself for the listing).

find_package(GTest REQUIRED)
include(GoogleTest)

function(loopwright_add_gtest)
    cmake_parse_arguments(ARG "OFFSCREEN" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120) # a case, not a program: none needs more than seconds
    endif()
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    set(env "LC_ALL=C" "LANG=C")
    if(ARG_OFFSCREEN)
        list(APPEND env "QT_QPA_PLATFORM=offscreen")
    endif()
    gtest_discover_tests(${ARG_NAME} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${ARG_TIMEOUT})
endfunction()
