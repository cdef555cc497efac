# Makes the demo game folder, checks all of it with bm13check and compares
# the whole output with the expected text, in which GAME_FOLDER stands for
# the folder's path. On a difference the output is kept beside the folder.
file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND "${DEMO}" "${WORK}" RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "bm13demo could not write ${WORK}")
endif()
execute_process(COMMAND "${CHECK}" "${WORK}" --all
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(REPLACE "${WORK}" "GAME_FOLDER" out "${out}")
file(READ "${EXPECTED}" expected)
if(NOT status EQUAL 1 OR NOT err STREQUAL "" OR NOT out STREQUAL expected)
    file(WRITE "${WORK}.out" "${out}")
    message(FATAL_ERROR "bm13check --all on the demo folder exited ${status} (expected 1), "
                        "stderr: '${err}'; its output is in ${WORK}.out, expected ${EXPECTED}")
endif()
file(REMOVE_RECURSE "${WORK}")
