# Builds the Debian package with CPack into PACKAGE_DIRECTORY and unpacks it into ROOT, as
# dpkg would install it into an empty system.
#   cmake -DCPACK=... -DCPACK_CONFIG=... -DPACKAGE_DIRECTORY=... -DROOT=... -P build_and_unpack.cmake

file(REMOVE_RECURSE ${PACKAGE_DIRECTORY} ${ROOT})
execute_process(COMMAND ${CPACK} --config ${CPACK_CONFIG} -B ${PACKAGE_DIRECTORY}
                COMMAND_ERROR_IS_FATAL ANY)

file(GLOB packages ${PACKAGE_DIRECTORY}/*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one package in ${PACKAGE_DIRECTORY}, found ${count}")
endif()
execute_process(COMMAND dpkg -x ${packages} ${ROOT} COMMAND_ERROR_IS_FATAL ANY)
