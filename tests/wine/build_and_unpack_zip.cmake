# Builds the Windows zip with CPack into PACKAGE_DIRECTORY and unpacks it into UNPACKED, as a
# player would with "Extract all".
#   cmake -DCPACK=... -DCPACK_CONFIG=... -DPACKAGE_DIRECTORY=... -DUNPACKED=... -P build_and_unpack_zip.cmake

file(REMOVE_RECURSE ${PACKAGE_DIRECTORY} ${UNPACKED})
execute_process(COMMAND ${CPACK} --config ${CPACK_CONFIG} -B ${PACKAGE_DIRECTORY}
                COMMAND_ERROR_IS_FATAL ANY)

file(GLOB zips ${PACKAGE_DIRECTORY}/*.zip)
list(LENGTH zips count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one zip in ${PACKAGE_DIRECTORY}, found ${count}")
endif()
file(MAKE_DIRECTORY ${UNPACKED})
file(ARCHIVE_EXTRACT INPUT ${zips} DESTINATION ${UNPACKED})
