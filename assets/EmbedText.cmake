# Writes a text file into a C++ source as one string literal, for a header of assets/ that declares it.
#
#   cmake -DINPUT=<text file> -DOUTPUT=<.cpp> -DHEADER=<header to include> -DNAME=<qualified name> -P EmbedText.cmake
#
# The text goes in as a raw string literal, so it keeps its bytes as they are; a text that holds the
# literal's own closing sequence is refused rather than cut short.

cmake_minimum_required(VERSION 3.22)

foreach(argument INPUT OUTPUT HEADER NAME)
    if(NOT DEFINED ${argument})
        message(FATAL_ERROR "EmbedText.cmake: ${argument} is not set")
    endif()
endforeach()

file(READ "${INPUT}" text)
set(delimiter "embedded")
string(FIND "${text}" ")${delimiter}\"" clash)
if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${INPUT} holds the sequence that would end its literal early")
endif()

set(source "// Written by assets/EmbedText.cmake from ${INPUT}; edit that file instead.\n#include \"${HEADER}\"\n\nconst char ${NAME}[] = R\"${delimiter}(${text})${delimiter}\";\n")

# Only a changed text touches the file, so an unchanged one rebuilds nothing.
if(EXISTS "${OUTPUT}")
    file(READ "${OUTPUT}" previous)
    if(previous STREQUAL source)
        return()
    endif()
endif()
file(WRITE "${OUTPUT}" "${source}")
