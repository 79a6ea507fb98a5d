# quintavo_add_test(name SOURCES a.cpp ... LIBS lib ... [LABELS l ...] [NO_MAIN] [QT])
# One GoogleTest executable registered test by test with CTest. Widget tests
# run on Qt's offscreen platform; each test gets its data folder in
# QUINTAVO_TEST_DATA; screenshots and other things for a person to look at go
# to QUINTAVO_ARTIFACT_DIR.
include(GoogleTest)
function(quintavo_add_test name)
    cmake_parse_arguments(T "NO_MAIN;QT" "" "SOURCES;LIBS;LABELS" ${ARGN})
    find_package(GTest REQUIRED)
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest quintavo_warnings)
    if(T_QT)
        # A QApplication on the offscreen platform unless one is chosen.
        target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/qt_test_main.cpp)
        target_link_libraries(${name} PRIVATE Qt6::Widgets Qt6::Test)
    elseif(NOT T_NO_MAIN)
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    target_compile_definitions(${name} PRIVATE
        QUINTAVO_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
        QUINTAVO_BUILD_DIR="${CMAKE_BINARY_DIR}"
        QUINTAVO_ARTIFACT_DIR="${CMAKE_BINARY_DIR}/test-artifacts")
    if(NOT T_LABELS)
        set(T_LABELS unit)
    endif()
    # The labels go through as one text: a list would keep only its first.
    # ctest -L and -LE match them as regular expressions, so "unit,thread"
    # is found by either word.
    string(JOIN "," T_LABELS ${T_LABELS})
    gtest_discover_tests(${name}
        DISCOVERY_TIMEOUT 120
        PROPERTIES LABELS "${T_LABELS}"
                   ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
