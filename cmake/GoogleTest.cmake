# GoogleTest from the sources of Debian's googletest package, built with the
# project's own compiler so that both flavours get a matching copy.
set(TOLVANE_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest sources")
if(NOT EXISTS "${TOLVANE_GTEST_SOURCE}/CMakeLists.txt")
    message(FATAL_ERROR "GoogleTest sources not found in ${TOLVANE_GTEST_SOURCE}: apt-get install googletest")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory("${TOLVANE_GTEST_SOURCE}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)

# tolvane_add_test(NAME name SOURCES ... LIBS ... [WINE_PREFIXES 64 32])
# One test executable, run once by CTest (natively, or under Wine in each
# named prefix for the win32 flavour).
function(tolvane_add_test)
    cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;WINE_PREFIXES" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
    if(WIN32)
        if(NOT T_WINE_PREFIXES)
            set(T_WINE_PREFIXES 64)
        endif()
        foreach(arch IN LISTS T_WINE_PREFIXES)
            tolvane_add_wine_test(${T_NAME}_wine${arch} ${arch} $<TARGET_FILE:${T_NAME}>)
        endforeach()
    else()
        add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    endif()
endfunction()
