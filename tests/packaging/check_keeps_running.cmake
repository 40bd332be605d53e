# Starts PROGRAM and expects it still to be running after two seconds, when it is stopped: it
# found its libraries and plugins and did not end or crash on its own.
#   cmake -DPROGRAM=... -P check_keeps_running.cmake

execute_process(COMMAND ${PROGRAM} TIMEOUT 2 RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result MATCHES "timeout")
    message(FATAL_ERROR "${PROGRAM} ended with \"${result}\" within two seconds:\n${errors}")
endif()
