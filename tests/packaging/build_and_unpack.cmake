# Builds the one package of CPACK_CONFIG with CPack into PACKAGE_DIRECTORY and unpacks it into
# ROOT: a Debian package as dpkg would install it into an empty system, the Windows zip as a
# player would with "Extract all".
#   cmake -DCPACK=... -DCPACK_CONFIG=... -DPACKAGE_DIRECTORY=... -DROOT=... -P build_and_unpack.cmake

file(REMOVE_RECURSE ${PACKAGE_DIRECTORY} ${ROOT})
execute_process(COMMAND ${CPACK} --config ${CPACK_CONFIG} -B ${PACKAGE_DIRECTORY}
                COMMAND_ERROR_IS_FATAL ANY)

file(GLOB packages ${PACKAGE_DIRECTORY}/*.deb ${PACKAGE_DIRECTORY}/*.zip)
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one package in ${PACKAGE_DIRECTORY}, found ${count}")
endif()
if(packages MATCHES "\\.deb$")
    execute_process(COMMAND dpkg -x ${packages} ${ROOT} COMMAND_ERROR_IS_FATAL ANY)
else()
    file(MAKE_DIRECTORY ${ROOT})
    file(ARCHIVE_EXTRACT INPUT ${packages} DESTINATION ${ROOT})
endif()
