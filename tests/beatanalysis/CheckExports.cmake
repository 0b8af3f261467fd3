# cmake -DLIBRARY=<libPulsek.so> -DEXPECTED=<file of names> -P CheckExports.cmake
# Fails unless `nm -D --defined-only` lists exactly the expected names.
find_program(NM nm REQUIRED)
execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()

string(REGEX MATCHALL "[^\n]+" lines "${listing}")
set(found)
foreach(line IN LISTS lines)
    string(REGEX REPLACE "^.* " "" name "${line}")
    string(REGEX REPLACE "@.*$" "" name "${name}")
    list(APPEND found ${name})
endforeach()
list(SORT found)

file(STRINGS ${EXPECTED} expected)
list(SORT expected)

if(NOT found STREQUAL expected)
    string(REPLACE ";" "\n  " got "${found}")
    string(REPLACE ";" "\n  " want "${expected}")
    message(FATAL_ERROR "Exported names differ.\nFound:\n  ${got}\nExpected:\n  ${want}")
endif()
list(LENGTH found count)
message(STATUS "${count} exported names, as expected")
