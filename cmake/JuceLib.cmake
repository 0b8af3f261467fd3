# Every JUCE module we use is compiled exactly once, into one of two static libraries:
#
#   juce_base_lib   juce_core, juce_events, juce_data_structures, juce_audio_basics, juce_audio_formats,
#                   juce_audio_devices: what the document, the link and the sample files need.
#   juce_gui_lib    juce_graphics, juce_gui_basics, juce_gui_extra, over juce_base_lib.
#
# The GUI-free libraries of ours link juce_base_lib only, so a GUI class used there fails to link.
# Each library compiles just its own modules' sources and carries their definitions (among them
# JUCE_MODULE_AVAILABLE_<module>=1) and link requirements to whatever links it.
#
# The base modules see only the base modules as available, the GUI modules see all of them. On Linux
# no base module's code depends on a GUI module being available, so the two halves agree: the only
# such tests in the base modules are an include of juce_graphics in juce_audio_devices.h and a
# web-browser piece of juce_ApplicationBase.cpp that JUCE_WEB_BROWSER=0 leaves out either way.
# juce_gui_basics does test for juce_gui_extra (XEmbed), which is why juce_gui_extra stays in. The test
# juce_halves_agree (cmake/CheckJuceHalves.cmake) keeps an eye on this.
find_package(PkgConfig REQUIRED)
# Debian's "+ds" JUCE has its bundled codecs removed: link the system's own.
pkg_check_modules(JUCE_BASE_SYSLIBS REQUIRED IMPORTED_TARGET zlib)
pkg_check_modules(JUCE_GUI_SYSLIBS REQUIRED IMPORTED_TARGET libpng libjpeg)

set(TESSALIN_JUCE_DEFINITIONS
    JUCE_MODAL_LOOPS_PERMITTED=1
    JUCE_WEB_BROWSER=0
    JUCE_USE_CURL=0
    # Samples must be WAV; FLAC and Ogg files are refused anyway, so their codecs are left out.
    JUCE_USE_FLAC=0
    JUCE_USE_OGGVORBIS=0
    JUCE_USE_MP3AUDIOFORMAT=0
    JUCE_USE_LAME_AUDIO_FORMAT=0
    JUCE_USE_WINDOWS_MEDIA_FORMAT=0
    JUCE_DISPLAY_SPLASH_SCREEN=0
    JUCE_REPORT_APP_USAGE=0
    JUCE_JACK=0
    JUCE_STRICT_REFCOUNTEDPOINTER=1
    JUCE_SILENCE_XCODE_15_LINKER_WARNING=1
    JUCE_STANDALONE_APPLICATION=1)

# tessalin_juce_modules(<library> <module>...): compiles the modules' own sources into the library and
# hands their usage requirements on, without the sources of the modules they depend on (the caller
# links the library that compiles those).
function(tessalin_juce_modules library)
    get_property(all_modules GLOBAL PROPERTY _juce_module_names)

    foreach(module IN LISTS ARGN)
        get_target_property(sources ${module} INTERFACE_SOURCES)
        get_target_property(definitions ${module} INTERFACE_COMPILE_DEFINITIONS)
        get_target_property(includes ${module} INTERFACE_INCLUDE_DIRECTORIES)
        get_target_property(libraries ${module} INTERFACE_LINK_LIBRARIES)

        target_sources(${library} PRIVATE ${sources})
        target_compile_definitions(${library} PUBLIC ${definitions})
        target_include_directories(${library} SYSTEM PUBLIC ${includes})

        foreach(item IN LISTS libraries)
            string(REGEX REPLACE "^juce::" "" name "${item}")
            if(NOT name IN_LIST all_modules)
                target_link_libraries(${library} PUBLIC ${item})
            endif()
        endforeach()
    endforeach()
endfunction()

add_library(juce_base_lib STATIC)
tessalin_juce_modules(juce_base_lib
    juce_core juce_events juce_data_structures juce_audio_basics juce_audio_formats juce_audio_devices)
target_compile_definitions(juce_base_lib PUBLIC ${TESSALIN_JUCE_DEFINITIONS})
target_link_libraries(juce_base_lib PUBLIC juce::juce_recommended_config_flags PkgConfig::JUCE_BASE_SYSLIBS)

add_library(juce_gui_lib STATIC)
tessalin_juce_modules(juce_gui_lib juce_graphics juce_gui_basics juce_gui_extra)
target_link_libraries(juce_gui_lib PUBLIC juce_base_lib PkgConfig::JUCE_GUI_SYSLIBS)
