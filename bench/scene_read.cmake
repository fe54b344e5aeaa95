qb_add_benchmark(bench_scene_read SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_scene_read.cpp LIBS qbhost)
