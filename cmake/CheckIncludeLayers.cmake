# Reads the #include lines of our folders and fails when one points the wrong way.
#
#   cmake -DROOT=<repository root> -P CheckIncludeLayers.cmake
#
# Each folder may include only the folders listed for it below (app/ may include everything); the
# GUI-free folders may include no GUI module of JUCE, no X11 and no FreeType; and every quoted include
# is written from the repository root ("core/DeviceSettings.h"), except the few headers the build
# generates. A file belongs to the deepest folder that holds it, so core/transfer/ is not core/.
#
# This table and the libraries' link lines (CMakeLists.txt of each folder) say the same thing.

cmake_minimum_required(VERSION 3.22)

if(NOT DEFINED ROOT)
    message(FATAL_ERROR "Usage: cmake -DROOT=<repository root> -P CheckIncludeLayers.cmake")
endif()

set(layer_folders core core/transfer sampler/files sampler widgets editor editor/bindings assets app)

set(may_include_core          core)
set(may_include_core/transfer core core/transfer sampler/files)
set(may_include_sampler/files core sampler/files)
set(may_include_widgets       core assets widgets)
set(may_include_editor        core assets widgets editor/bindings editor)
set(may_include_editor/bindings core editor/bindings)
set(may_include_sampler       core assets widgets sampler/files sampler)
set(may_include_assets        assets)
set(may_include_app           ANY)

set(gui_free_folders core core/transfer sampler/files editor/bindings)
set(gui_header_pattern "^(juce_(graphics|gui_basics|gui_extra|opengl|audio_utils|audio_processors|video|box2d)/|X11/|ft2build\\.h)")

# Quoted includes that are not paths from the root: headers the build writes (assets/).
set(generated_headers SkinImageIds.h SkinBinaryData.h)

# The deepest folder of layer_folders that `path` lies in; empty when none.
function(folder_of path result)
    set(found "")
    foreach(folder IN LISTS layer_folders)
        string(LENGTH "${folder}/" prefix_length)
        string(SUBSTRING "${path}" 0 ${prefix_length} prefix)
        string(LENGTH "${found}" found_length)
        if(prefix STREQUAL "${folder}/" AND prefix_length GREATER found_length)
            set(found "${folder}")
        endif()
    endforeach()
    set(${result} "${found}" PARENT_SCOPE)
endfunction()

set(violations "")
set(num_files 0)
set(num_includes 0)

foreach(top IN LISTS layer_folders)
    file(GLOB_RECURSE sources RELATIVE "${ROOT}" "${ROOT}/${top}/*.h" "${ROOT}/${top}/*.cpp")
    foreach(source IN LISTS sources)
        folder_of("${source}" folder)
        if(NOT folder STREQUAL top)
            continue()     # counted with its own deeper folder
        endif()
        math(EXPR num_files "${num_files} + 1")

        file(STRINGS "${ROOT}/${source}" include_lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
        foreach(line IN LISTS include_lines)
            math(EXPR num_includes "${num_includes} + 1")

            if(line MATCHES "<([^>]+)>")
                set(header "${CMAKE_MATCH_1}")
                if(folder IN_LIST gui_free_folders AND header MATCHES "${gui_header_pattern}")
                    list(APPEND violations "${source}: includes <${header}>, a GUI header in a GUI-free folder")
                endif()
                continue()
            endif()

            if(NOT line MATCHES "\"([^\"]+)\"")
                continue()
            endif()
            set(header "${CMAKE_MATCH_1}")

            if(header IN_LIST generated_headers)
                continue()
            endif()

            folder_of("${header}" target)
            if(target STREQUAL "")
                if(NOT header MATCHES "/")
                    list(APPEND violations "${source}: includes \"${header}\", not written from the repository root")
                elseif(NOT may_include_${folder} STREQUAL "ANY")
                    list(APPEND violations "${source}: includes \"${header}\", outside the folders ${folder}/ may use")
                endif()
                continue()
            endif()

            if(NOT EXISTS "${ROOT}/${header}")
                list(APPEND violations "${source}: includes \"${header}\", which does not exist")
            endif()

            if(NOT may_include_${folder} STREQUAL "ANY" AND NOT target IN_LIST may_include_${folder})
                string(REPLACE ";" "/, " allowed "${may_include_${folder}}")
                list(APPEND violations "${source}: includes \"${header}\" (${target}/), but ${folder}/ may include only ${allowed}/")
            endif()
        endforeach()
    endforeach()
endforeach()

if(num_files EQUAL 0)
    message(FATAL_ERROR "No source files found under ${ROOT}")
endif()

list(LENGTH violations num_violations)
if(num_violations GREATER 0)
    foreach(violation IN LISTS violations)
        message("${violation}")
    endforeach()
    message(FATAL_ERROR "${num_violations} include(s) cross the layers (${num_files} files, ${num_includes} includes read)")
endif()

message(STATUS "Include layers hold: ${num_files} files, ${num_includes} includes read")
