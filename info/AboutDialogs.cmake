# The About and author-information dialogs: Qt widgets built by the same
# template builder as the calculator, texts expanded by versioninfo.
add_library(about_ui STATIC
  ${CMAKE_CURRENT_LIST_DIR}/AboutDlg.cpp ${CMAKE_CURRENT_LIST_DIR}/AboutDlg.h
  ${CMAKE_CURRENT_LIST_DIR}/AuthorInfoDlg.cpp ${CMAKE_CURRENT_LIST_DIR}/AuthorInfoDlg.h
  ${CMAKE_CURRENT_LIST_DIR}/LinkLauncher.cpp ${CMAKE_CURRENT_LIST_DIR}/LinkLauncher.h
)
set_target_properties(about_ui PROPERTIES AUTOMOC ON)
target_link_libraries(about_ui PUBLIC versioninfo dialogbuilder Qt6::Widgets Qt6::Gui)
target_compile_definitions(about_ui PRIVATE QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS)
