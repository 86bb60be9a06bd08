# GoogleTest is built from Debian's googletest source package, for every
# preset, so the native and the MinGW builds use the same version.
set(KEYLOOM_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${KEYLOOM_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# keyloom_add_test(NAME n SOURCES ... [LIBS ...] [LABELS ...] [NO_RUN])
# One test program, run as one CTest test; on Windows builds CTest runs it
# under Wine through the toolchain's emulator. NO_RUN builds it only, for a
# program that runs on another set-up alone (keyloom_add_test_run).
function(keyloom_add_test)
    cmake_parse_arguments(T "NO_RUN" "NAME" "SOURCES;LIBS;LABELS;DEPENDS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    keyloom_charset_flags(${T_NAME})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main)
    if(T_DEPENDS)
        add_dependencies(${T_NAME} ${T_DEPENDS})
    endif()
    if(T_NO_RUN)
        return()
    endif()
    add_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_brief=0)
    set_tests_properties(${T_NAME} PROPERTIES TIMEOUT 600
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR} LABELS "${T_LABELS}")
endfunction()

# keyloom_add_test_run(NAME n PROGRAM target DPI dpi [LOCALE locale] [ARGS ...])
# Runs a test program once more on another Windows set-up: in a Wine prefix
# of its own whose screen has that DPI (144 is 150 % scaling), made on
# first use, and with the locale given (en_US.UTF-8 gives ANSI code page
# 1252) for that program alone. A locale other than the one a prefix knows
# rewrites its regional settings, and the DPI holds for a whole prefix, so
# the build's shared prefix is never used for either.
function(keyloom_add_test_run)
    cmake_parse_arguments(T "" "NAME;PROGRAM;DPI;LOCALE" "ARGS" ${ARGN})
    if(NOT T_LOCALE)
        set(T_LOCALE zh_CN.UTF-8)
    endif()
    add_test(NAME ${T_NAME} COMMAND ${T_PROGRAM} --gtest_brief=0 ${T_ARGS})
    set_tests_properties(${T_NAME} PROPERTIES TIMEOUT 600
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
        ENVIRONMENT "WINEPREFIX=${CMAKE_SOURCE_DIR}/build/wineprefix-${T_DPI}dpi;KEYLOOM_WINE_DPI=${T_DPI};KEYLOOM_WINE_LOCALE=${T_LOCALE}")
endfunction()
