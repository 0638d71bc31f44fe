# Printing and parsing the form's numbers: standard library only, so the fuzz
# target can use it without the toolkit.
add_library(numbertext STATIC ${CMAKE_CURRENT_LIST_DIR}/NumberText.cpp
                              ${CMAKE_CURRENT_LIST_DIR}/NumberText.h)
target_include_directories(numbertext PUBLIC ${PROJECT_SOURCE_DIR})
