# GoogleTest: the system package on Linux; for the Windows cross build it is compiled from
# the sources Debian's googletest package installs, with the same toolchain.
if(CMAKE_CROSSCOMPILING)
    set(VELTRA_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for cross builds")
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(${VELTRA_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
    find_package(GTest REQUIRED)
    include(GoogleTest)
endif()

# veltra_add_test(NAME sources...): one test program on the test support (its main included),
# registered with CTest. Natively every test case is its own CTest entry; under the Windows
# emulator the program runs once.
function(veltra_add_test name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE veltra_test_support)
    target_compile_options(${name} PRIVATE ${VELTRA_WARNINGS})
    target_precompile_headers(${name} REUSE_FROM veltra_test_support)
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${name} COMMAND ${name})
    else()
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
    endif()
endfunction()
