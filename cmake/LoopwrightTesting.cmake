# Helpers shared by the test folders.
#
#   loopwright_add_gtest(NAME name SOURCES a.cpp b.cpp LIBS lib1 lib2 [OFFSCREEN])
#
# builds a GoogleTest program, registers it with CTest and, with OFFSCREEN,
# sets QT_QPA_PLATFORM=offscreen so that a widget test never needs a display.
# Every test runs with the C locale pinned, so number texts never depend on
# the machine's settings.

find_package(GTest REQUIRED)

function(loopwright_add_gtest)
    cmake_parse_arguments(ARG "OFFSCREEN" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
    set(env "LC_ALL=C" "LANG=C")
    if(ARG_OFFSCREEN)
        list(APPEND env "QT_QPA_PLATFORM=offscreen")
    endif()
    set_tests_properties(${ARG_NAME} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300)
endfunction()
