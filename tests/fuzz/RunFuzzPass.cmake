# Runs one fuzzer for a bounded number of inputs, starting from the committed
# corpus without writing to it.
# Usage: cmake -DFUZZER=<program> -DCORPUS=<dir> -DSCRATCH=<dir> -DRUNS=<n> -P RunFuzzPass.cmake
foreach(var FUZZER CORPUS SCRATCH RUNS)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "RunFuzzPass.cmake needs -D${var}=...")
    endif()
endforeach()

# A fresh scratch corpus each time keeps the pass the same length run after run.
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}/corpus" "${SCRATCH}/artifacts")

# A fixed seed makes a failure here come back on the next run; scripts/fuzz.sh
# does the open-ended exploration with fresh seeds.
execute_process(
    COMMAND "${FUZZER}" "${SCRATCH}/corpus" "${CORPUS}"
        -runs=${RUNS} -max_len=4096 -seed=1 "-artifact_prefix=${SCRATCH}/artifacts/"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${result}); the input is in ${SCRATCH}/artifacts/. "
        "Once fixed, keep it in ${CORPUS} as a regression case.")
endif()
