qb_add_benchmark(bench_restore SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_restore.cpp LIBS picker_objects qb_widget_bench_main)
