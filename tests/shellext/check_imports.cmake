cmake_minimum_required(VERSION 3.25)
# Fails unless the module imports nothing but DLLs that every Windows system has
# (the C++ runtime is linked in statically).
#   cmake -DOBJDUMP=... -DMODULE=... -P check_imports.cmake
execute_process(COMMAND ${OBJDUMP} -p ${MODULE} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${MODULE}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" names "${dump}")
set(system advapi32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll shell32.dll user32.dll
           comdlg32.dll shlwapi.dll)
foreach(entry IN LISTS names)
  string(REPLACE "DLL Name: " "" dll "${entry}")
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST system)
    message(FATAL_ERROR "${MODULE} imports ${dll}, which is not a system DLL")
  endif()
  message(STATUS "imports ${dll}")
endforeach()
file(SIZE ${MODULE} size)
message(STATUS "${MODULE}: ${size} bytes")
