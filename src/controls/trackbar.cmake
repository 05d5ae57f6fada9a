# The slider: its value/pixel maths is plain C++ (no Qt); the widget and the
# main window's four slider designs need Qt Widgets.
add_library(trackbargeometry STATIC
    ${CMAKE_CURRENT_LIST_DIR}/trackbargeometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/trackbargeometry.h)
target_include_directories(trackbargeometry PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(trackbargeometry PRIVATE numtext)

if(LOOPWRIGHT_GUI)
    add_library(trackbar STATIC
        ${CMAKE_CURRENT_LIST_DIR}/tgradienttrackbar.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tgradienttrackbar.h
        ${CMAKE_CURRENT_LIST_DIR}/mainsliders.cpp
        ${CMAKE_CURRENT_LIST_DIR}/mainsliders.h)
    set_target_properties(trackbar PROPERTIES AUTOMOC ON)
    target_link_libraries(trackbar PUBLIC trackbargeometry Qt6::Widgets)
endif()
