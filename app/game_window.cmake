# The game window: program entry helpers, main window, game control, settings
# and placement, saved-game dialogs. Included by app/CMakeLists.txt.
find_package(Qt6 REQUIRED COMPONENTS Network)

add_library(quintavo_game_window STATIC
    ${CMAKE_CURRENT_LIST_DIR}/main_window.h
    ${CMAKE_CURRENT_LIST_DIR}/main_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/game_control.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_settings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/game_window_outline.h
    ${CMAKE_CURRENT_LIST_DIR}/game_window_outline.cpp
    ${CMAKE_CURRENT_LIST_DIR}/user_prompts.h
    ${CMAKE_CURRENT_LIST_DIR}/user_prompts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/one_box_prompts.h
    ${CMAKE_CURRENT_LIST_DIR}/one_box_prompts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/promotion_chooser.h
    ${CMAKE_CURRENT_LIST_DIR}/promotion_chooser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_placement.h
    ${CMAKE_CURRENT_LIST_DIR}/window_placement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/single_instance.h
    ${CMAKE_CURRENT_LIST_DIR}/single_instance.cpp)
target_include_directories(quintavo_game_window PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(quintavo_game_window
    PUBLIC quintavo_board quintavo_lang quintavo_chrome quintavo_appcore quintavo_assets quintavo_widgets
           quintavo_dialogs vessaro
           Qt6::Widgets Qt6::Network
    PRIVATE quintavo_warnings)
