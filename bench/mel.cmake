qb_add_benchmark(bench_mel SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_mel.cpp LIBS qbhost)
