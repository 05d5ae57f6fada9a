loopwright_add_gtest(NAME trackbar_geometry_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/trackbargeometry_test.cpp
    LIBS trackbargeometry)

if(LOOPWRIGHT_GUI)
    loopwright_add_gtest(NAME trackbar_widget_test
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/tgradienttrackbar_test.cpp
                ${CMAKE_CURRENT_LIST_DIR}/trackbar_mainsliders_test.cpp
        LIBS trackbar
        OFFSCREEN)
endif()
