# Warnings on everywhere; CI turns them into errors (PQ_WERROR).
function(pq_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
    -Wconversion -Wsign-conversion -Wnon-virtual-dtor -Wold-style-cast)
  if(PQ_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# Tests and benchmarks: the same, minus the checks that fight the test macros.
function(pq_set_test_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(PQ_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
