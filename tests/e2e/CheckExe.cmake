# Checks Tolvane.exe as a file: a 32-bit (PE32, i386) GUI program that
# imports only Windows' own DLLs, with its manifest built in.
#   cmake -DOBJDUMP=... -DWINDRES=... -DPROGRAM=Tolvane.exe -P CheckExe.cmake
set(failures "")
macro(fail message)
    string(APPEND failures "  ${message}\n")
endmacro()

execute_process(COMMAND ${OBJDUMP} -f -p ${PROGRAM} OUTPUT_VARIABLE headers RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "objdump could not read ${PROGRAM}")
endif()
# Records a failure unless the headers hold `pattern`.
function(require pattern what)
    string(REGEX MATCH "${pattern}" found "${headers}")
    if(NOT found)
        set(failures "${failures}  ${what}\n" PARENT_SCOPE)
    endif()
endfunction()
require("file format pei-i386" "not a pei-i386 file")
require("architecture: i386," "not built for i386")
require("Magic[ \t]+010b[ \t]+\\(PE32\\)" "not PE32")
require("Subsystem[ \t]+00000002[ \t]+\\(Windows GUI\\)" "not a Windows GUI program")

# Windows' own DLLs; msvcrt.dll is the C run-time that every Windows has.
set(own KERNEL32.DLL USER32.DLL GDI32.DLL ADVAPI32.DLL COMDLG32.DLL SHELL32.DLL MSVCRT.DLL)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
if(NOT imports)
    fail("no imports found")
endif()
foreach(line IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${line}")
    string(STRIP "${dll}" dll)
    string(TOUPPER "${dll}" dll)
    list(FIND own "${dll}" at)
    if(at EQUAL -1)
        fail("imports ${dll}, which is not one of Windows' own DLLs")
    endif()
endforeach()

# The manifest: resource 1 of type 24 (RT_MANIFEST), read back by windres.
execute_process(COMMAND ${WINDRES} -J coff -O rc -i ${PROGRAM} OUTPUT_VARIABLE resources
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "windres could not read the resources of ${PROGRAM}")
endif()
string(FIND "${resources}" "\n1 24 " start)
if(start EQUAL -1)
    fail("no manifest resource 1")
endif()
set(manifest "")
if(NOT start EQUAL -1)
    string(SUBSTRING "${resources}" ${start} -1 rest)
    string(FIND "${rest}" "\nEND" end)
    string(SUBSTRING "${rest}" 0 ${end} block)
    # The rc form quotes each line and doubles the quotes inside.
    string(REGEX MATCHALL "\"[^\n]*\"" pieces "${block}")
    foreach(piece IN LISTS pieces)
        string(REGEX REPLACE "^\"(.*)\"$" "\\1" piece "${piece}")
        string(REPLACE "\"\"" "\"" piece "${piece}")
        string(REPLACE "\\n" " " piece "${piece}")
        string(APPEND manifest "${piece}")
    endforeach()
    string(REGEX REPLACE "[ \t\r\n]+" " " manifest "${manifest}")
endif()
foreach(item
        "<requestedExecutionLevel level=\"requireAdministrator\" uiAccess=\"false\"/>"
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" processorArchitecture=\"x86\" publicKeyToken=\"6595b64144ccf1df\""
        "<supportedOS Id=\"{e2011457-1546-43c5-a5fe-008deee3d3f0}\"/>"
        "<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>"
        "<supportedOS Id=\"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}\"/>"
        "<supportedOS Id=\"{1f676c76-80e1-4239-95bb-83d0f6d0da78}\"/>"
        "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>")
    string(FIND "${manifest}" "${item}" at)
    if(at EQUAL -1)
        fail("manifest lacks ${item}")
    endif()
endforeach()

if(failures)
    message(FATAL_ERROR "${PROGRAM}:\n${failures}")
endif()
file(SIZE ${PROGRAM} size)
list(LENGTH imports count)
message(STATUS "${PROGRAM}: PE32 i386 GUI, ${size} bytes, ${count} DLLs imported, manifest complete")
