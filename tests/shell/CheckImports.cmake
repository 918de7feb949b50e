# Fails when PROGRAM imports a function that must only be looked up at run
# time. cmake -DOBJDUMP=... -DPROGRAM=... -P CheckImports.cmake
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE imports RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "objdump failed on ${PROGRAM}")
endif()
# The import table was read.
if(NOT imports MATCHES "DLL Name: KERNEL32")
    message(FATAL_ERROR "no import of KERNEL32 found in ${PROGRAM}: import table not read")
endif()
foreach(name SHGetSpecialFolderPathA IsWow64Process)
    if(imports MATCHES "${name}")
        message(FATAL_ERROR "${PROGRAM} imports ${name}")
    endif()
endforeach()
message(STATUS "${PROGRAM} imports neither SHGetSpecialFolderPathA nor IsWow64Process")
