# SPDX-License-Identifier: MIT
# Runs PROGRAM with ARGS (a ;-list) and fails unless it exits with STATUS, its standard output
# matches OUTPUT_REGEX and its standard error ERROR_REGEX, each when given. CTest alone can only
# tell zero from non-zero.
execute_process(COMMAND ${PROGRAM} ${ARGS} RESULT_VARIABLE status OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(DEFINED OUTPUT_REGEX AND NOT out MATCHES "${OUTPUT_REGEX}")
  message(FATAL_ERROR "stdout does not match ${OUTPUT_REGEX}:\n${out}")
endif()
if(DEFINED ERROR_REGEX AND NOT err MATCHES "${ERROR_REGEX}")
  message(FATAL_ERROR "stderr does not match ${ERROR_REGEX}:\n${err}")
endif()
message("${err}")
