# B-spline curve maths (no Qt).
add_library(bspline STATIC
    ${CMAKE_CURRENT_LIST_DIR}/tbspline.cpp ${CMAKE_CURRENT_LIST_DIR}/tbspline.h)
target_include_directories(bspline PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(bspline PUBLIC numtext)

# Chart series and layout: the value/pixel arithmetic of the chart, with text
# measured through an interface (no Qt).
add_library(chartlayout STATIC
    ${CMAKE_CURRENT_LIST_DIR}/charttypes.h
    ${CMAKE_CURRENT_LIST_DIR}/textmeasurer.h
    ${CMAKE_CURRENT_LIST_DIR}/tplotseries.cpp ${CMAKE_CURRENT_LIST_DIR}/tplotseries.h
    ${CMAKE_CURRENT_LIST_DIR}/chartlayout.cpp ${CMAKE_CURRENT_LIST_DIR}/chartlayout.h)
target_link_libraries(chartlayout PUBLIC bspline numtext)

if(LOOPWRIGHT_GUI)
    # The chart widget and the spline's drawing.
    add_library(plotchart STATIC
        ${CMAKE_CURRENT_LIST_DIR}/bsplinepainter.cpp ${CMAKE_CURRENT_LIST_DIR}/bsplinepainter.h
        ${CMAKE_CURRENT_LIST_DIR}/barpatterns.cpp ${CMAKE_CURRENT_LIST_DIR}/barpatterns.h
        ${CMAKE_CURRENT_LIST_DIR}/fonttextmeasurer.cpp ${CMAKE_CURRENT_LIST_DIR}/fonttextmeasurer.h
        ${CMAKE_CURRENT_LIST_DIR}/tplotchart.cpp ${CMAKE_CURRENT_LIST_DIR}/tplotchart.h)
    target_link_libraries(plotchart PUBLIC chartlayout Qt6::Widgets)
    set_target_properties(plotchart PROPERTIES AUTOMOC ON)
endif()
