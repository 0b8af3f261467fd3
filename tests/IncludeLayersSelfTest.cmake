# The include check must catch every kind of wrong arrow and pass what the layers allow.
#
#   cmake -DCHECKER=<CheckIncludeLayers.cmake> -DWORK=<scratch folder> -P IncludeLayersSelfTest.cmake
#
# Builds a small tree in WORK, first with allowed includes only (it must pass), then with one planted
# include of each forbidden kind (it must fail and name every planted file, and no other).
cmake_minimum_required(VERSION 3.22)

file(REMOVE_RECURSE "${WORK}")

function(plant path)
    string(REPLACE ";" "\n" text "${ARGN}")
    file(WRITE "${WORK}/${path}" "#pragma once\n${text}\n")
endfunction()

function(run_checker result_var output_var)
    execute_process(COMMAND "${CMAKE_COMMAND}" -DROOT=${WORK} -P "${CHECKER}"
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    set(${result_var} "${result}" PARENT_SCOPE)
    set(${output_var} "${out}${err}" PARENT_SCOPE)
endfunction()

# Allowed: each folder using what lies below it, app/ using everything, the generated skin ids.
plant(core/DeviceSettings.h "#include <juce_core/juce_core.h>")
plant(core/transfer/DocumentFiles.h "#include \"core/DeviceSettings.h\"" "#include \"sampler/files/SampleWavInfo.h\"")
plant(sampler/files/SampleWavInfo.h "#include \"core/DeviceSettings.h\"" "#include <juce_audio_formats/juce_audio_formats.h>")
plant(assets/SkinImages.h "#include \"SkinImageIds.h\"")
plant(widgets/ToolWindow.h "#include \"assets/SkinImages.h\"" "#include <juce_gui_basics/juce_gui_basics.h>")
plant(editor/Body.h "#include \"widgets/ToolWindow.h\"" "#include \"core/DeviceSettings.h\"")
plant(sampler/SamplerWindow.h "#include \"widgets/ToolWindow.h\"" "#include \"sampler/files/SampleWavInfo.h\"")
plant(app/MainWindow.h "#include \"editor/Body.h\"" "#include \"sampler/SamplerWindow.h\"" "#include \"core/transfer/DocumentFiles.h\"")

run_checker(result output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "The check refused a tree whose includes are all allowed:\n${output}")
endif()

# Forbidden, one of each kind.
set(planted
    editor/UpToApp.cpp "#include \"app/MainWindow.h\""
    widgets/UpToEditor.h "#include \"editor/Body.h\""
    sampler/Sideways.cpp "#include \"editor/Body.h\""
    core/UpToTransfer.cpp "#include \"core/transfer/DocumentFiles.h\""
    core/GuiInCore.h "#include <juce_gui_basics/juce_gui_basics.h>"
    sampler/files/UpToWindow.h "#include \"sampler/SamplerWindow.h\""
    sampler/files/X11InFiles.cpp "#include <X11/Xlib.h>"
    core/transfer/GuiInTransfer.cpp "#include <juce_graphics/juce_graphics.h>"
    editor/NotFromRoot.cpp "#include \"Body.h\"")

set(expected_files "")
list(LENGTH planted count)
math(EXPR last "${count} - 1")
foreach(i RANGE 0 ${last} 2)
    math(EXPR j "${i} + 1")
    list(GET planted ${i} path)
    list(GET planted ${j} line)
    plant("${path}" "${line}")
    list(APPEND expected_files "${path}")
endforeach()

run_checker(result output)
if(result EQUAL 0)
    message(FATAL_ERROR "The check passed a tree with planted wrong includes:\n${output}")
endif()

set(missed "")
foreach(path IN LISTS expected_files)
    string(FIND "${output}" "${path}:" at)
    if(at EQUAL -1)
        list(APPEND missed "${path}")
    endif()
endforeach()

foreach(allowed core/DeviceSettings.h core/transfer/DocumentFiles.h sampler/files/SampleWavInfo.h assets/SkinImages.h
                widgets/ToolWindow.h editor/Body.h sampler/SamplerWindow.h app/MainWindow.h)
    string(FIND "${output}" "${allowed}:" at)
    if(NOT at EQUAL -1)
        message(FATAL_ERROR "The check reported an allowed include in ${allowed}:\n${output}")
    endif()
endforeach()

if(missed)
    message(FATAL_ERROR "The check missed: ${missed}\n${output}")
endif()

file(REMOVE_RECURSE "${WORK}")
message(STATUS "Every planted include was reported")
