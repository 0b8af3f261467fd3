# The base modules are compiled into juce_base_lib seeing only the base modules as available, while the
# GUI modules and our GUI code see them all. That is safe only while no base module's Linux code
# depends on a GUI module being available. This reads the base modules for such tests and fails on
# any that is not known to be harmless here, so a new JUCE is looked at before it is trusted.
#
#   cmake -DMODULES=<JUCE modules folder> -P CheckJuceHalves.cmake
cmake_minimum_required(VERSION 3.22)

set(base_modules juce_core juce_events juce_data_structures juce_audio_basics juce_audio_formats juce_audio_devices)
set(gui_pattern "JUCE_MODULE_AVAILABLE_juce_(graphics|gui_basics|gui_extra|opengl|audio_utils|audio_processors|video|box2d)")

# Files compiled only on other platforms, and the tests known to be harmless on Linux:
#   juce_BasicNativeHeaders.h   inside its macOS and iOS block;
#   juce_Process.h              macOS only;
#   juce_ApplicationBase.cpp    iOS only, or Linux with the web browser, which JUCE_WEB_BROWSER=0 leaves out;
#   juce_audio_devices.h        includes juce_graphics when present; no Linux code of the module uses it.
set(other_platforms_pattern "/native/juce_(win32|ios|mac|android)_")
set(known_harmless
    "juce_core/native/juce_BasicNativeHeaders.h:  #if JUCE_MODULE_AVAILABLE_juce_opengl"
    "juce_core/threads/juce_Process.h:   #if (JUCE_MAC && JUCE_MODULE_AVAILABLE_juce_gui_basics) || DOXYGEN"
    "juce_events/messages/juce_ApplicationBase.cpp:#if JUCE_IOS && JUCE_MODULE_AVAILABLE_juce_gui_basics"
    "juce_events/messages/juce_ApplicationBase.cpp:#if (JUCE_LINUX || JUCE_BSD) && JUCE_MODULE_AVAILABLE_juce_gui_extra && (! defined(JUCE_WEB_BROWSER) || JUCE_WEB_BROWSER)"
    "juce_events/messages/juce_ApplicationBase.cpp:       #if (JUCE_LINUX || JUCE_BSD) && JUCE_MODULE_AVAILABLE_juce_gui_extra && (! defined(JUCE_WEB_BROWSER) || JUCE_WEB_BROWSER)"
    "juce_events/messages/juce_ApplicationBase.cpp:       #if JUCE_IOS && JUCE_MODULE_AVAILABLE_juce_gui_basics"
    "juce_audio_devices/juce_audio_devices.h:#if JUCE_MODULE_AVAILABLE_juce_graphics")

set(unknown "")
set(num_files 0)
foreach(module IN LISTS base_modules)
    file(GLOB_RECURSE sources RELATIVE "${MODULES}" "${MODULES}/${module}/*.h" "${MODULES}/${module}/*.cpp")
    foreach(source IN LISTS sources)
        math(EXPR num_files "${num_files} + 1")
        if(source MATCHES "${other_platforms_pattern}")
            continue()
        endif()
        file(STRINGS "${MODULES}/${source}" lines REGEX "${gui_pattern}")
        foreach(line IN LISTS lines)
            if(NOT "${source}:${line}" IN_LIST known_harmless)
                list(APPEND unknown "${source}: ${line}")
            endif()
        endforeach()
    endforeach()
endforeach()

if(num_files LESS 100)
    message(FATAL_ERROR "Only ${num_files} files of the base modules found under ${MODULES}")
endif()

if(unknown)
    string(REPLACE ";" "\n" listed "${unknown}")
    message(FATAL_ERROR "Base-module code that depends on a GUI module, not yet judged:\n${listed}")
endif()

message(STATUS "The base modules' ${num_files} files depend on no GUI module here")
