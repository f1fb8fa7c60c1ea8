# Runs a fuzzer for SECONDS over a fresh copy of the seed corpus SEEDS in WORK.
file(REMOVE_RECURSE ${WORK})
file(COPY ${SEEDS}/ DESTINATION ${WORK})
execute_process(
  COMMAND ${FUZZER} ${WORK} -max_total_time=${SECONDS} -max_len=4096 -timeout=20 -print_final_stats=1
  WORKING_DIRECTORY ${WORK}/..
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}); the crashing input is in the working folder")
endif()
