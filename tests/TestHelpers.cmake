# tessalin_add_test(<name> [GUI] [TIMEOUT seconds] SOURCES ... LIBS ...)
# Links GoogleTest and, unless a LIBS entry brings its own main, nothing else.
function(tessalin_add_test name)
    cmake_parse_arguments(T "GUI" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest)
    tessalin_warnings(${name})
    add_test(NAME ${name} COMMAND ${name})
    # The window suites drive the program with real input and wait for it at every step: the main
    # window's suite alone takes three to four minutes.
    if(NOT T_TIMEOUT AND T_GUI)
        set(T_TIMEOUT 600)
    elseif(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    # A sanitized Debug build runs the heavy tests (gigabytes of samples through the WAV writer, whole
    # tracks through the beat analysis) several times slower, more so on a busy machine.
    if(TESSALIN_SANITIZE)
        math(EXPR T_TIMEOUT "${T_TIMEOUT} * 3")
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
    if(T_GUI)
        set_tests_properties(${name} PROPERTIES LABELS gui)
    endif()
endfunction()

# tessalin_add_test_folder(<prefix> LIBS ...)
# Every *Test.cpp of the calling folder goes into <prefix>_tests (run with no DISPLAY), every *GuiTest.cpp
# into <prefix>_gui_tests (label "gui", run under Xvfb). New test files need no CMake edit.
function(tessalin_add_test_folder prefix)
    cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
    file(GLOB all_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*Test.cpp)
    set(gui_tests ${all_tests})
    list(FILTER gui_tests INCLUDE REGEX "GuiTest\\.cpp$")
    set(plain_tests ${all_tests})
    list(FILTER plain_tests EXCLUDE REGEX "GuiTest\\.cpp$")
    if(plain_tests)
        tessalin_add_test(${prefix}_tests SOURCES ${plain_tests} LIBS ${T_LIBS} test_main_juce)
    endif()
    if(gui_tests)
        tessalin_add_test(${prefix}_gui_tests GUI SOURCES ${gui_tests} LIBS ${T_LIBS} test_main_juce)
    endif()
endfunction()
