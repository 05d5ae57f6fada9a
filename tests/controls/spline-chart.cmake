# B-spline maths and chart layout, without Qt.
loopwright_add_gtest(NAME bspline_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tbspline_test.cpp
    LIBS bspline)
loopwright_add_gtest(NAME chartlayout_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/chartlayout_test.cpp
    LIBS chartlayout)

if(LOOPWRIGHT_GUI)
    loopwright_add_gtest(NAME plotchart_test
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/tplotchart_test.cpp
                ${CMAKE_CURRENT_LIST_DIR}/chart_qapplication.cpp
        LIBS plotchart
        OFFSCREEN)
endif()
