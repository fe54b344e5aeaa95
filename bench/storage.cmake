qb_add_benchmark(bench_storage SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_storage.cpp LIBS picker_objects qb_widget_bench_main)
