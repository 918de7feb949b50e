# The win32 flavour's tests run under Wine, in prefixes of their own inside
# the build tree, on a virtual display. A CTest fixture creates them afresh
# for each run and stops Wine and the display afterwards.
set(TOLVANE_WINE_ROOT "${CMAKE_BINARY_DIR}/wine")
configure_file(${CMAKE_SOURCE_DIR}/tools/wine/run.in ${TOLVANE_WINE_ROOT}/run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${TOLVANE_WINE_ROOT}/run)

set(TOLVANE_WINE_ARCHS "64;32" CACHE STRING "Wine prefixes the tests use: 64 and/or 32")
add_test(NAME wine_setup COMMAND ${CMAKE_SOURCE_DIR}/tools/wine/prefix.sh setup ${TOLVANE_WINE_ROOT}
                                 ${TOLVANE_WINE_ARCHS})
add_test(NAME wine_cleanup COMMAND ${CMAKE_SOURCE_DIR}/tools/wine/prefix.sh cleanup ${TOLVANE_WINE_ROOT})
set_tests_properties(wine_setup PROPERTIES FIXTURES_SETUP wine TIMEOUT 600)
set_tests_properties(wine_cleanup PROPERTIES FIXTURES_CLEANUP wine)

# tolvane_add_wine_test(name arch command...): runs under Wine in prefix `arch`.
function(tolvane_add_wine_test name arch)
    if(NOT arch IN_LIST TOLVANE_WINE_ARCHS)
        return()
    endif()
    add_test(NAME ${name} COMMAND ${TOLVANE_WINE_ROOT}/run ${arch} ${ARGN})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL TRUE TIMEOUT 300)
endfunction()
