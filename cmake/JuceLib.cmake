# Every JUCE module we use is compiled exactly once, into juce_lib; the program, the tools and the tests
# all link this one library and inherit its include paths and definitions.
find_package(PkgConfig REQUIRED)
# Debian's "+ds" JUCE has its bundled codecs removed: link the system's own.
pkg_check_modules(JUCE_SYSLIBS REQUIRED IMPORTED_TARGET zlib libpng libjpeg)

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
    JUCE_SILENCE_XCODE_15_LINKER_WARNING=1)

add_library(juce_lib STATIC)
target_link_libraries(juce_lib
    PRIVATE juce::juce_gui_extra juce::juce_audio_utils juce::juce_audio_devices juce::juce_audio_formats
    PUBLIC  juce::juce_recommended_config_flags PkgConfig::JUCE_SYSLIBS)
target_compile_definitions(juce_lib
    PUBLIC ${TESSALIN_JUCE_DEFINITIONS} JUCE_STANDALONE_APPLICATION=1
    INTERFACE $<TARGET_PROPERTY:juce_lib,COMPILE_DEFINITIONS>)
target_include_directories(juce_lib SYSTEM INTERFACE $<TARGET_PROPERTY:juce_lib,INCLUDE_DIRECTORIES>)
