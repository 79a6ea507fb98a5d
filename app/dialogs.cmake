# The options dialog, the splash window and the About window.
add_library(quintavo_dialogs STATIC
    ${CMAKE_CURRENT_LIST_DIR}/options_dialog.h
    ${CMAKE_CURRENT_LIST_DIR}/options_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/splash_window.h
    ${CMAKE_CURRENT_LIST_DIR}/splash_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/about_window.h
    ${CMAKE_CURRENT_LIST_DIR}/about_window.cpp)
target_include_directories(quintavo_dialogs PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(quintavo_dialogs
    PUBLIC Qt6::Widgets quintavo_appcore quintavo_lang quintavo_widgets quintavo_assets
    PRIVATE quintavo_warnings)
