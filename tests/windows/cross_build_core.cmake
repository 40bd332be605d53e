# Builds GoogleTest from SOURCE_GTEST and then the toolkit-free core with its tests from SOURCE
# for 64-bit Windows with TOOLCHAIN, in WORK, and runs the tests under WINE.
#   cmake -DSOURCE=... -DSOURCE_GTEST=... -DTOOLCHAIN=... -DWORK=... -DWERROR=ON|OFF -DWINE=...
#         -P cross_build_core.cmake

if(NOT WINE)
    message(FATAL_ERROR "wine64 not found (Debian package wine64)")
endif()

function(run)
    execute_process(COMMAND ${ARGN} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

set(gtest_prefix ${WORK}/googletest-install)
if(NOT EXISTS ${gtest_prefix}/lib/cmake/GTest/GTestConfig.cmake)
    run(${CMAKE_COMMAND} -S ${SOURCE_GTEST} -B ${WORK}/googletest -G Ninja
        --toolchain ${TOOLCHAIN} -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF
        -DCMAKE_INSTALL_PREFIX=${gtest_prefix})
    run(${CMAKE_COMMAND} --build ${WORK}/googletest)
    run(${CMAKE_COMMAND} --install ${WORK}/googletest)
endif()

run(${CMAKE_COMMAND} -S ${SOURCE} -B ${WORK}/core -G Ninja --toolchain ${TOOLCHAIN}
    -DCMAKE_BUILD_TYPE=Release -DQUABBEL_CORE_ONLY=ON -DQUABBEL_WERROR=${WERROR}
    -DGTest_DIR=${gtest_prefix}/lib/cmake/GTest)
run(${CMAKE_COMMAND} --build ${WORK}/core)

# Wine gets a prefix of its own, set up before the tests start.
set(wine ${CMAKE_COMMAND} -E env WINEPREFIX=${WORK}/wine-prefix WINEDEBUG=-all ${WINE})
run(${wine} wineboot --init)
run(${wine} ${WORK}/core/tests/quabbel_tests.exe --gtest_brief=1)
